#include "ui/active_check_box.h"

#include "ui/check_state.h"
#include "ui/glyph_box.h"
#include "ui/glyph_images.h"

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
  const int w = item.rcItem.right - item.rcItem.left, h = item.rcItem.bottom - item.rcItem.top;
  if (w <= 0 || h <= 0) return;
  TBitmap buffer(w, h);
  TCanvas& canvas = buffer.Canvas();
  canvas.Font().Assign(Font());
  canvas.Brush().SetColor(Color());
  GlyphBox box;
  box.strip = custom_glyph_ ? &glyph_ : &GlyphImage("Check");
  box.image = CheckImageIndex(State());
  box.count = 3;
  box.caption = Caption();
  box.box_left = alignment_ != taLeftJustify;
  box.focused = (item.itemState & ODS_FOCUS) != 0;
  box.enabled = Enabled();
  DrawGlyphBox(canvas, {0, 0, w, h}, box);
  Canvas().Draw(item.rcItem.left, item.rcItem.top, buffer);
}
