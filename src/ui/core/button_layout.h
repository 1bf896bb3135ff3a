// Where a bitmap button puts its glyph and caption: side by side (glyph left or right) centred
// vertically, or stacked (glyph top or bottom) centred horizontally. `margin` is the glyph's
// distance from its edge, -1 to centre the group; `spacing` the gap to the caption, -1 to share
// the free space out.
#pragma once

#include <cstdint>

enum TButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct ButtonContentPlace {
  int glyph_left;
  int glyph_top;
  int text_left;
  int text_top;
};

ButtonContentPlace PlaceButtonContent(int client_width, int client_height, int glyph_width,
                                      int glyph_height, int text_width, int text_height,
                                      TButtonLayout layout, int margin, int spacing);

// Width of one image of a glyph strip holding `count` images side by side.
constexpr int GlyphImageWidth(int strip_width, int count) {
  return count > 0 ? strip_width / count : strip_width;
}
