#include "ui/page_frame.h"

namespace {

constexpr int kPageWidth = 637;
constexpr int kPageHeight = 114;

TMButton* NavigationButton(TTitleForm& page, const char* name, int left, TMButtonKind kind,
                           const char* caption) {
  auto* button = PlaceControl<TMButton>(&page, &page, name, left, 52, 67, 51);
  button->SetCaption(caption);
  button->SetKind(kind);
  // The navigation kinds hide their caption; the pages show it under the glyph.
  button->SetCaptionVisible(true);
  button->SetButtonLayout(blGlyphTop);
  button->SetSpacing(5);
  button->Font().SetName("MS Sans Serif");
  button->Font().SetHeight(-11);
  button->Font().SetColor(0);
  return button;
}

}  // namespace

PageFrame BuildPageFrame(TTitleForm& page, const std::string& title, const CancelPlace& place) {
  page.SetBorderStyle(bsDialog);
  page.SetClientWidth(kPageWidth);
  page.SetClientHeight(kPageHeight);

  PageFrame frame{};
  frame.title_bar = PlaceControl<TTitleBar>(&page, &page, "TitleBar1", 0, 0, kPageWidth, 25);
  frame.title_bar->SetAlign(alTop);
  page.SetTitleBar(frame.title_bar);
  page.SetCaption(title);

  frame.back = NavigationButton(page, "BBack", 15, mkPrev, "&Inapoi");
  frame.back->SetModalResult(mrRetry);
  frame.next = NavigationButton(page, "BNext", 82, mkNext, "&Continua");

  frame.cancel_frame =
      PlaceControl<TBevel>(&page, &page, "Bevel1", 502, place.frame_top, 120, place.frame_height);
  frame.cancel = PlaceControl<TNiceButton>(&page, &page, "BCancel", 504, place.button_top,
                                           place.button_width, 28);
  frame.cancel->SetCaption("&Abandon");
  frame.cancel->SetKind(mkCancel);
  frame.cancel->SetModalResult(mrCancel);
  frame.cancel->SetCancel(true);
  frame.cancel->Font().SetName("MS Sans Serif");
  frame.cancel->Font().SetHeight(-11);
  frame.cancel->Font().SetColor(0);
  if (place.bold) frame.cancel->Font().SetStyle(fsBold);
  return frame;
}
