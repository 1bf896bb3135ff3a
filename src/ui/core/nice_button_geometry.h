// The skinned button's geometry: its face is cut from a picture of nine equal slices (left cap,
// middle, right cap for the normal, highlighted and pressed looks), with room for a glyph at the
// left.
#pragma once

#include <vector>

constexpr int kNiceGlyphArea = 35;

enum class NiceLook { kNormal = 0, kHighlighted = 1, kPressed = 2 };

struct SliceRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const SliceRect&) const = default;
};

// A piece of the face picture and where it goes on the button.
struct FacePiece {
  SliceRect source;
  SliceRect dest;
  bool transparent;  // the caps; the middle is drawn opaque
};

struct NiceButtonGeometry {
  int face_left;  // after the glyph area, when one is reserved outside the face
  int face_top;
  int face_height;  // of the face as drawn
  std::vector<FacePiece> pieces;
  SliceRect caption;  // between the caps
};

struct NiceButtonInput {
  int width;
  int height;
  int face_width;  // the whole picture, nine slices
  int face_height;
  NiceLook look;
  bool has_glyph;
  bool inside_draw;  // the glyph is drawn over the face instead of beside it
  bool stretch;      // the face's middle row grows to the button's height
};

NiceButtonGeometry LayoutNiceButton(const NiceButtonInput& in);

// Whether the button answers the mouse at (x, y): over its face strip or its glyph area; always
// when stretched.
bool NiceButtonHit(const NiceButtonInput& in, int x, int y);
