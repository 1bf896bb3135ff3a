#include "ui/bitmap_recolor.h"

#include <span>

#include "ui/background_recolor.h"

void RecolorBitmapBackground(TBitmap& bitmap, TColor color) {
  if (bitmap.Empty()) return;
  const TColor rgb = ColorToRGB(color);
  // Scan lines hold 0x00RRGGBB, the reverse of a colour value.
  const uint32_t pixel = static_cast<uint32_t>(ColorBlue(rgb)) |
                         static_cast<uint32_t>(ColorGreen(rgb)) << 8 |
                         static_cast<uint32_t>(ColorRed(rgb)) << 16;
  // A top-down 32-bit section keeps its rows one after the other.
  RecolorBackground(
      std::span<uint32_t>(bitmap.ScanLine(0), static_cast<size_t>(bitmap.Width()) *
                                                  static_cast<size_t>(bitmap.Height())),
      pixel);
  bitmap.Changed();
}
