#include "pages/page_parts.h"

#include "ui/glyph_images.h"

void SetPageFrame(TForm& page, const std::string& caption, int client_width, int client_height) {
  page.SetBorderStyle(bsDialog);
  page.SetClientWidth(client_width);
  page.SetClientHeight(client_height);
  page.Font().SetName("System");
  page.Font().SetHeight(-13);
  page.SetCaption(caption);
}

TTitleBar* AddTitleBar(TForm& page) {
  auto* bar = PlaceControl<TTitleBar>(&page, &page, "TitleBar1", 0, 0, page.ClientWidth(), 25);
  bar->SetAlign(alTop);
  return bar;
}

TMButton* AddNavButton(TForm& page, const char* name, const std::string& caption, int left,
                       std::string_view glyph, int spacing) {
  auto* button = PlaceControl<TMButton>(&page, &page, name, left, 52, 67, 51);
  button->SetCaption(caption);
  if (!glyph.empty()) button->Glyph() = GlyphImage(glyph);
  button->SetButtonLayout(blGlyphTop);
  button->SetSpacing(spacing);
  return button;
}

void SetBold(TControl& control) {
  control.Font().SetStyle(control.Font().Style() | fsBold);
}
