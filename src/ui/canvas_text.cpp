#include "ui/canvas_text.h"

#include "ui/accelerator_text.h"
#include "ui/embossed_text.h"

namespace {

TextPlacement PlacementOf(UINT flags) {
  if (flags & DT_CENTER) return TextPlacement::kCenter;
  if (flags & DT_RIGHT) return TextPlacement::kRight;
  return TextPlacement::kLeft;
}

}  // namespace

void DrawAcceleratorText(TCanvas& canvas, const std::string& text, const TRect& r, bool focused,
                         TColor highlight, UINT flags) {
  TFont& font = canvas.Font();
  const TColor font_color = font.Color();
  TRect box = r;
  const AcceleratorParts parts = SplitAccelerator(text);
  if (!parts.has_accelerator) {
    canvas.DrawText(text, box, flags);
    return;
  }

  TRect measured = r;
  canvas.DrawText(RemoveAmpersands(text), measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  if (flags & DT_VCENTER) {
    measured.Top = r.Top;
    measured.Bottom = r.Bottom;
  }
  int x = AcceleratorTextLeft(r.Left, r.Right, measured.Width(), PlacementOf(flags));
  // Each piece goes into a box of its own width, so the alignment flags cannot move it again.
  const UINT piece_flags = flags & ~static_cast<UINT>(DT_CENTER | DT_RIGHT | DT_WORDBREAK);
  auto draw_piece = [&](const std::string& piece, int advance) {
    TRect piece_box{x, measured.Top, x + advance, measured.Bottom};
    if (!piece.empty()) canvas.DrawText(piece, piece_box, piece_flags | DT_NOCLIP);
    x += advance;
  };

  draw_piece(parts.before, canvas.TextWidth(parts.before));

  const TFontStyles style = font.Style();
  const AcceleratorKeyLook look = KeyLook(font_color, style & fsUnderline, highlight);
  font.SetColor(look.color);
  font.SetStyle(look.underline ? style | fsUnderline : style & ~fsUnderline);
  const int key_width = canvas.TextWidth(parts.key);
  draw_piece(focused ? "&" + parts.key : parts.key, key_width);

  font.SetColor(font_color);
  font.SetStyle(style);
  draw_piece(parts.after, canvas.TextWidth(parts.after));
}

void DrawEmbossedText(TCanvas& canvas, const TRect& r, const std::string& text, UINT flags) {
  const TColor saved = canvas.Font().Color();
  for (const EmbossLayer& layer : kEmbossLayers) {
    canvas.Font().SetColor(layer.color);
    TRect box = r.Offset(layer.dx, layer.dy);
    canvas.DrawText(text, box, flags);
  }
  canvas.Font().SetColor(saved);
}
