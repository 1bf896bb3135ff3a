#include "wizard/page_frame.h"

namespace {

constexpr int kPageWidth = 637;
constexpr int kPageHeight = 114;

void UseButtonFont(TControl& control) {
  control.Font().SetName("MS Sans Serif");
  control.Font().SetHeight(-11);
  control.Font().SetColor(0);
}

TMButton* AddFrameButton(TTitleForm& page, const FrameButton& spec) {
  auto* button = PlaceControl<TMButton>(&page, &page, spec.name, spec.left, 52, 67, 51);
  button->SetCaption(spec.caption);
  button->SetKind(spec.kind);
  button->SetModalResult(spec.result);
  // The navigation kinds hide their caption; the pages show it under the glyph.
  button->SetCaptionVisible(true);
  button->SetButtonLayout(blGlyphTop);
  button->SetSpacing(spec.spacing);
  UseButtonFont(*button);
  return button;
}

void SetDialogFrame(TTitleForm& form, const std::string& title, int width, int height,
                    bool system_font) {
  form.SetBorderStyle(bsDialog);
  form.SetClientWidth(width);
  form.SetClientHeight(height);
  if (system_font) {
    form.Font().SetName("System");
    form.Font().SetHeight(-13);
  }
  form.SetCaption(title);
}

TTitleBar* AddTitleBar(TTitleForm& form) {
  auto* bar = PlaceControl<TTitleBar>(&form, &form, "TitleBar1", 0, 0, form.ClientWidth(), 25);
  bar->SetAlign(alTop);
  form.SetTitleBar(bar);
  return bar;
}

}  // namespace

PageFrame BuildPageFrame(TTitleForm& page, const std::string& title,
                         const PageFrameLayout& layout) {
  PageFrame frame;
  SetDialogFrame(page, title, kPageWidth, kPageHeight, layout.system_font);
  frame.title_bar = AddTitleBar(page);
  frame.left = AddFrameButton(page, layout.left);
  frame.right = AddFrameButton(page, layout.right);
  if (!layout.has_bevel) return frame;
  const BevelButton& spec = layout.bevel;
  frame.bevel =
      PlaceControl<TBevel>(&page, &page, "Bevel1", 502, spec.frame_top, 120, spec.frame_height);
  frame.bevel_button = PlaceControl<TNiceButton>(&page, &page, spec.name, 504, spec.button_top,
                                                 spec.button_width, 28);
  frame.bevel_button->SetCaption(spec.caption);
  frame.bevel_button->SetKind(spec.kind);
  frame.bevel_button->SetModalResult(spec.result);
  frame.bevel_button->SetCancel(spec.result == mrCancel);
  UseButtonFont(*frame.bevel_button);
  if (spec.bold) SetBold(*frame.bevel_button);
  return frame;
}

TTitleBar* BuildDialogFrame(TTitleForm& dialog, const std::string& title, int client_width,
                            int client_height) {
  SetDialogFrame(dialog, title, client_width, client_height, true);
  return AddTitleBar(dialog);
}

void SetBold(TControl& control) {
  control.Font().SetStyle(control.Font().Style() | fsBold);
}
