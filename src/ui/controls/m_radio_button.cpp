#include "ui/controls/m_radio_button.h"

#include "ui/controls/glyph_box.h"
#include "ui/glyphs/glyph_images.h"

TMRadioButton::TMRadioButton(TComponent* owner) : TRadioButton(owner) {
  SetOwnerDraw(true);
}

void TMRadioButton::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void TMRadioButton::WndProc(TMessage& m) {
  if (m.Msg == WM_LBUTTONDBLCLK) m.Msg = WM_LBUTTONDOWN;
  TRadioButton::WndProc(m);
}

void TMRadioButton::DrawButton(const DRAWITEMSTRUCT& item) {
  GlyphBox box;
  box.strip = &GlyphImage("Radio");
  box.image = Checked() ? 1 : 0;
  box.count = 2;
  box.box_left = alignment_ != taLeftJustify;
  DrawGlyphBoxItem(*this, item, box);
}
