#include "ui/m_radio_button.h"

#include "ui/glyph_box.h"
#include "ui/glyph_images.h"

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
  const int w = item.rcItem.right - item.rcItem.left, h = item.rcItem.bottom - item.rcItem.top;
  if (w <= 0 || h <= 0) return;
  TBitmap buffer(w, h);
  TCanvas& canvas = buffer.Canvas();
  canvas.Font().Assign(Font());
  canvas.Brush().SetColor(Color());
  GlyphBox box;
  box.strip = &GlyphImage("Radio");
  box.image = Checked() ? 1 : 0;
  box.count = 2;
  box.caption = Caption();
  box.box_left = alignment_ != taLeftJustify;
  box.focused = (item.itemState & ODS_FOCUS) != 0;
  box.enabled = Enabled();
  DrawGlyphBox(canvas, {0, 0, w, h}, box);
  Canvas().Draw(item.rcItem.left, item.rcItem.top, buffer);
}
