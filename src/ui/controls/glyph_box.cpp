#include "ui/controls/glyph_box.h"

#include "ui/controls/text_drawing.h"
#include "ui/core/button_layout.h"

void DrawGlyphBox(TCanvas& canvas, const TRect& client, const GlyphBox& box) {
  canvas.FillRect(client);
  const bool has_glyph = box.strip && !box.strip->Empty();
  const int gw = has_glyph ? GlyphImageWidth(box.strip->Width(), box.count) : 0;
  const int gh = has_glyph ? box.strip->Height() : 0;
  const int th = canvas.TextHeight("Wg");
  // Box and caption are centred on each other, the pair in the control's height.
  const int pair = gh > th ? gh : th;
  const int top = client.Top + (client.Height() - pair) / 2;
  const int box_top = top + (pair - gh) / 2;
  const int text_top = top + (pair - th) / 2;
  int box_x = client.Left;
  TRect text{client.Left + gw + kGlyphBoxGap, text_top, client.Right, text_top + th};
  if (!box.box_left) {
    box_x = client.Right - gw;
    text = {client.Left, text_top, client.Right - gw - kGlyphBoxGap, text_top + th};
  }
  if (has_glyph) DrawGlyphImage(canvas, box_x, box_top, *box.strip, box.image, box.count);
  if (box.caption.empty()) return;
  canvas.Brush().SetStyle(bsClear);
  const UINT flags = DT_SINGLELINE | DT_LEFT;
  if (!box.enabled) {
    canvas.Font().SetColor(clGrayText);
    TRect r = text;
    canvas.DrawText(box.caption, r, flags);
  } else {
    if (box.focused) canvas.Font().SetColor(clRed);
    DrawAcceleratorText(canvas, box.caption, text, box.focused, clRed, flags);
  }
  canvas.Brush().SetStyle(bsSolid);
}
