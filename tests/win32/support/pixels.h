// Reading back what controls paint: a control rendered into a bitmap, and counting pixels.
#pragma once

#include <functional>

#include "forms/forms.h"

namespace testing_support {

// What the control paints, children included, with its client origin at the bitmap's origin.
inline TBitmap Snapshot(TWinControl& control) {
  TBitmap shot(control.ClientWidth(), control.ClientHeight());
  control.PaintTo(shot.Canvas(), 0, 0);
  return shot;
}

inline int CountPixels(const TBitmap& b, const TRect& area,
                       const std::function<bool(TColor)>& pred) {
  int n = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) n += pred(b.Pixel(x, y)) ? 1 : 0;
  return n;
}

inline int CountPixels(const TBitmap& b, const std::function<bool(TColor)>& pred) {
  return CountPixels(b, {0, 0, b.Width(), b.Height()}, pred);
}

inline std::function<bool(TColor)> Is(TColor c) {
  return [c](TColor p) { return p == c; };
}

// Text may be smoothed: a pixel counts as a colour when it is close to it.
inline std::function<bool(TColor)> Near(TColor c, int tolerance = 60) {
  return [c, tolerance](TColor p) {
    auto d = [](int a, int b) { return a > b ? a - b : b - a; };
    return d(ColorRed(p), ColorRed(c)) <= tolerance &&
           d(ColorGreen(p), ColorGreen(c)) <= tolerance &&
           d(ColorBlue(p), ColorBlue(c)) <= tolerance;
  };
}

// Rows in which some pixel satisfies `pred`, grouped into bands of neighbouring rows.
inline int CountRowBands(const TBitmap& b, const std::function<bool(TColor)>& pred) {
  int bands = 0;
  bool previous = false;
  for (int y = 0; y < b.Height(); ++y) {
    const bool hit = CountPixels(b, {0, y, b.Width(), y + 1}, pred) > 0;
    if (hit && !previous) ++bands;
    previous = hit;
  }
  return bands;
}

}  // namespace testing_support
