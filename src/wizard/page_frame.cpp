#include "wizard/page_frame.h"

namespace {

constexpr int kPageWidth = 637;
constexpr int kPageHeight = 114;

void UseButtonFont(TControl& control) {
  control.Font().SetName("MS Sans Serif");
  control.Font().SetHeight(-11);
  control.Font().SetColor(0);
}

TMButton* AddFrameButton(TTitleForm& page, const FrameButton& wanted) {
  auto* button = PlaceControl<TMButton>(&page, &page, wanted.name, wanted.left, 52, 67, 51);
  button->SetCaption(wanted.caption);
  button->SetKind(wanted.kind);
  button->SetModalResult(wanted.result);
  // The navigation kinds hide their caption; the pages show it under the glyph.
  button->SetCaptionVisible(true);
  button->SetButtonLayout(blGlyphTop);
  button->SetSpacing(wanted.spacing);
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
  const BevelButton& bevel = layout.bevel;
  frame.bevel =
      PlaceControl<TBevel>(&page, &page, "Bevel1", 502, bevel.frame_top, 120, bevel.frame_height);
  frame.bevel_button = PlaceControl<TNiceButton>(&page, &page, bevel.name, 504, bevel.button_top,
                                                 bevel.button_width, 28);
  frame.bevel_button->SetCaption(bevel.caption);
  frame.bevel_button->SetKind(bevel.kind);
  frame.bevel_button->SetModalResult(bevel.result);
  frame.bevel_button->SetCancel(bevel.result == mrCancel);
  UseButtonFont(*frame.bevel_button);
  if (bevel.bold) SetBold(*frame.bevel_button);
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
