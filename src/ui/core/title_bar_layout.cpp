#include "ui/core/title_bar_layout.h"

#include <cmath>

namespace {

int Scaled(int length, int pixels_per_inch) {
  return static_cast<int>(std::lround(length * pixels_per_inch / 96.0));
}

}  // namespace

TitleBarMetrics TitleBarMetricsFor(int pixels_per_inch) {
  const bool unscaled = pixels_per_inch == 96;
  return {Scaled(25, pixels_per_inch), unscaled ? 10 : 11, unscaled ? -1 : -2, -1};
}

TitleCaptionPlace PlaceTitleCaption(TIconStyle style, int icon_face_width, int bar_width,
                                    int bar_height, int text_height, int pixels_per_inch) {
  TitleCaptionPlace p;
  p.margin = style == isNone ? 10 : icon_face_width / 2 + 15;
  p.area_width = bar_width - p.margin - 10;
  p.text_left = p.margin + Scaled(5, pixels_per_inch);
  p.text_top = (bar_height - text_height) / 2;
  return p;
}
