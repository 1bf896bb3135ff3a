// How check boxes and radio buttons draw themselves: a box picture from a strip of images beside
// a caption that turns red while focused.
#pragma once

#include <windows.h>

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

// Draws the owner-drawn item of a check box or radio button with `box`'s picture: through a
// buffer, so that it never flickers, with the control's font, colour, caption and state.
template <class Control>
void DrawGlyphBoxItem(Control& control, const DRAWITEMSTRUCT& item, GlyphBox box) {
  const int w = item.rcItem.right - item.rcItem.left, h = item.rcItem.bottom - item.rcItem.top;
  if (w <= 0 || h <= 0) return;
  TBitmap buffer(w, h);
  TCanvas& canvas = buffer.Canvas();
  canvas.Font().Assign(control.Font());
  canvas.Brush().SetColor(control.Color());
  box.caption = control.Caption();
  box.focused = (item.itemState & ODS_FOCUS) != 0;
  box.enabled = control.Enabled();
  DrawGlyphBox(canvas, {0, 0, w, h}, box);
  control.Canvas().Draw(item.rcItem.left, item.rcItem.top, buffer);
}

// Gap between the box and its caption.
constexpr int kGlyphBoxGap = 4;
