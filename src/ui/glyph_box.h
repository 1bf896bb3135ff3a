// How check boxes and radio buttons draw themselves: a box picture from a strip of images beside
// a caption that turns red while focused.
#pragma once

#include <string>

#include "forms/graphics.h"

struct GlyphBox {
  const TBitmap* strip = nullptr;
  int image = 0;
  int count = 1;
  std::string caption;
  bool box_left = true;  // caption to the right of the box
  bool focused = false;
  bool enabled = true;
};

// Draws on a canvas that already holds the control's font and colour.
void DrawGlyphBox(TCanvas& canvas, const TRect& client, const GlyphBox& box);

// Gap between the box and its caption.
constexpr int kGlyphBoxGap = 4;
