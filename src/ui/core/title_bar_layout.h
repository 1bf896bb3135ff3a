// The painted title bar's measures: its height and font at the screen's resolution, where the
// caption goes for each icon style, and how its shadow is offset.
#pragma once

#include <cstdint>

enum TIconStyle : uint8_t { isNone, isSearch, isDetail };

struct TitleBarMetrics {
  int height;      // 25 at 96 pixels per inch, scaled and rounded
  int font_size;   // points
  int caption_dx;  // the caption is drawn here relative to its shadow
  int caption_dy;
};
TitleBarMetrics TitleBarMetricsFor(int pixels_per_inch);

struct TitleCaptionPlace {
  int margin;  // left margin of the caption area
  int area_width;
  int text_left;  // left of the shadow's rectangle
  int text_top;
};
// `icon_face_width` is the width of the title icon face picture, used only with an icon style.
TitleCaptionPlace PlaceTitleCaption(TIconStyle style, int icon_face_width, int bar_width,
                                    int bar_height, int text_height, int pixels_per_inch);
