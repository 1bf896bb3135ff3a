#include "ui/controls/active_check_box.h"

#include "ui/controls/glyph_box.h"
#include "ui/core/check_state.h"
#include "ui/glyphs/glyph_images.h"

TMCustomCheckBox::TMCustomCheckBox(TComponent* owner) : TCheckBox(owner) {
  TabStop = true;
  SetOwnerDraw(true);
}

void TMCustomCheckBox::WndProc(TMessage& m) {
  // Quick clicks each toggle; an owner-drawn button would take the second as a double click.
  if (m.Msg == WM_LBUTTONDBLCLK) m.Msg = WM_LBUTTONDOWN;
  TCheckBox::WndProc(m);
}

TActiveCheckBox::TActiveCheckBox(TComponent* owner) : TMCustomCheckBox(owner) {}

void TActiveCheckBox::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void TActiveCheckBox::SetCustomGlyph(bool v) {
  custom_glyph_ = v;
  Invalidate();
}

void TActiveCheckBox::DrawButton(const DRAWITEMSTRUCT& item) {
  GlyphBox box;
  box.strip = custom_glyph_ ? &glyph_ : &GlyphImage("Check");
  box.image = CheckImageIndex(State());
  box.count = 3;
  box.box_left = alignment_ != taLeftJustify;
  DrawGlyphBoxItem(*this, item, box);
}
