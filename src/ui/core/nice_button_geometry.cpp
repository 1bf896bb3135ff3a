#include "ui/core/nice_button_geometry.h"

namespace {

int FaceLeft(const NiceButtonInput& in) {
  return in.has_glyph && !in.inside_draw ? kNiceGlyphArea : 0;
}

// Source rows and destination rows of the face: one band, or three with the middle stretched.
struct Band {
  int source_top, source_height, dest_top, dest_height;
};

std::vector<Band> Bands(const NiceButtonInput& in) {
  if (!in.stretch) return {{0, in.face_height, (in.height - in.face_height) / 2, in.face_height}};
  const int third = in.face_height / 3;
  const int bottom = in.face_height - 2 * third;
  const int middle = in.height - third - bottom;
  return {{0, third, 0, third},
          {third, third, third, middle > 0 ? middle : 0},
          {2 * third, bottom, in.height - bottom, bottom}};
}

}  // namespace

NiceButtonGeometry LayoutNiceButton(const NiceButtonInput& in) {
  NiceButtonGeometry g;
  const int slice = in.face_width / 9;
  g.face_left = FaceLeft(in);
  g.face_height = in.stretch ? in.height : in.face_height;
  g.face_top = in.stretch ? 0 : (in.height - in.face_height) / 2;
  const int first = 3 * static_cast<int>(in.look) * slice;
  const int right_cap = in.width - slice;
  for (const Band& b : Bands(in)) {
    if (b.dest_height <= 0 || b.source_height <= 0) continue;
    // A piece narrower than a slice shows the slice's left part, unstretched.
    const auto piece = [&](int source_left, int dest_left, int dest_width, bool transparent) {
      g.pieces.push_back({{source_left, b.source_top, dest_width, b.source_height},
                          {dest_left, b.dest_top, dest_width, b.dest_height},
                          transparent});
    };
    piece(first, g.face_left, slice, true);
    for (int x = g.face_left + slice; x < right_cap; x += slice) {
      piece(first + slice, x, x + slice <= right_cap ? slice : right_cap - x, false);
    }
    piece(first + 2 * slice, right_cap, slice, true);
  }
  g.caption = {g.face_left + slice, g.face_top, right_cap - g.face_left - slice, g.face_height};
  return g;
}

bool NiceButtonHit(const NiceButtonInput& in, int x, int y) {
  if (x < 0 || y < 0 || x >= in.width || y >= in.height) return false;
  if (in.stretch) return true;
  if (in.has_glyph && !in.inside_draw && x < kNiceGlyphArea) return true;
  const int top = (in.height - in.face_height) / 2;
  return y >= top && y < top + in.face_height;
}
