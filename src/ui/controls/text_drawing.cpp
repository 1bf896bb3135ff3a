#include "ui/controls/text_drawing.h"

#include <span>

#include "ui/core/accelerator_text.h"
#include "ui/core/background_recolor.h"
#include "ui/core/button_layout.h"
#include "ui/core/embossed_text.h"

namespace {

int Width(TCanvas& canvas, const std::string& text) {
  if (text.empty()) return 0;
  TRect r{0, 0, 0, 0};
  canvas.DrawText(text, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  return r.Width();
}

TextPlacement PlacementOf(UINT flags) {
  if (flags & DT_CENTER) return TextPlacement::kCenter;
  if (flags & DT_RIGHT) return TextPlacement::kRight;
  return TextPlacement::kLeft;
}

}  // namespace

void DrawAcceleratorText(TCanvas& canvas, const std::string& text, const TRect& rect, bool focused,
                         TColor highlight, UINT flags) {
  const AcceleratorParts parts = SplitAccelerator(text);
  if (!parts.has_accelerator) {
    TRect r = rect;
    canvas.DrawText(text, r, flags);
    return;
  }
  const int whole = Width(canvas, RemoveAmpersands(text));
  int x = AcceleratorTextLeft(rect.Left, rect.Right, whole, PlacementOf(flags));
  // The pieces follow each other from the left; only the vertical placement of `flags` stays.
  const UINT piece_flags = (flags & ~static_cast<UINT>(DT_CENTER | DT_RIGHT)) | DT_LEFT;
  const auto draw = [&](const std::string& piece, UINT extra) {
    TRect r{x, rect.Top, rect.Right, rect.Bottom};
    canvas.DrawText(piece, r, piece_flags | extra);
    x += Width(canvas, piece);
  };
  draw(parts.before, DT_NOPREFIX);

  TFont& font = canvas.Font();
  const TColor colour = font.Color();
  const TFontStyles style = font.Style();
  const AcceleratorKeyLook look =
      KeyLook(ColorToRGB(colour), (style & fsUnderline) != 0, ColorToRGB(highlight));
  font.SetColor(look.color);
  font.SetStyle(look.underline ? style | fsUnderline : style & ~fsUnderline);
  if (focused && !(flags & DT_NOPREFIX)) {
    TRect r{x, rect.Top, rect.Right, rect.Bottom};
    canvas.DrawText("&" + parts.key, r, piece_flags);
    x += Width(canvas, parts.key);
  } else {
    draw(parts.key, DT_NOPREFIX);
  }
  font.SetColor(colour);
  font.SetStyle(style);
  draw(parts.after, 0);
}

void DrawEmbossedText(TCanvas& canvas, const std::string& text, const TRect& rect, UINT flags) {
  TFont& font = canvas.Font();
  const TColor colour = font.Color();
  const TBrushStyle brush = canvas.Brush().Style();
  canvas.Brush().SetStyle(bsClear);
  for (const EmbossLayer& layer : kEmbossLayers) {
    font.SetColor(layer.color);
    TRect r = rect.Offset(layer.dx, layer.dy);
    canvas.DrawText(text, r, flags);
  }
  font.SetColor(colour);
  canvas.Brush().SetStyle(brush);
}

void RecolorBitmapBackground(TBitmap& bitmap, TColor colour) {
  if (bitmap.Empty()) return;
  const TColor rgb = ColorToRGB(colour);
  // The bitmap's pixels are 0x00RRGGBB.
  const auto replacement =
      static_cast<uint32_t>((ColorRed(rgb) << 16) | (ColorGreen(rgb) << 8) | ColorBlue(rgb));
  const size_t count = static_cast<size_t>(bitmap.Width()) * static_cast<size_t>(bitmap.Height());
  RecolorBackground(std::span<uint32_t>(bitmap.ScanLine(0), count), replacement);
  bitmap.Changed();
}

void DrawGlyphImage(TCanvas& canvas, int x, int y, const TBitmap& strip, int index, int count) {
  if (strip.Empty()) return;
  const int w = GlyphImageWidth(strip.Width(), count);
  if (index >= count) index = 0;
  const TRect source = Bounds(index * w, 0, w, strip.Height());
  canvas.DrawTransparent(Bounds(x, y, w, strip.Height()), strip, source, strip.Pixel(0, 0));
}
