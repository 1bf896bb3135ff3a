// Splitting a caption around its accelerator ("&" before the letter) so that the letter can be
// drawn in a highlight colour, and placing the whole caption in its rectangle.
#pragma once

#include <string>
#include <string_view>

#include "ui/core/color.h"

struct AcceleratorParts {
  bool has_accelerator = false;  // the text holds an "&"
  std::string before;            // up to the first "&"
  std::string key;               // the character after it (empty when "&" ends the text)
  std::string after;             // everything after that character, "&"s kept
};
AcceleratorParts SplitAccelerator(std::string_view text);

// The text as shown: every "&" removed.
std::string RemoveAmpersands(std::string_view text);

enum class TextPlacement { kLeft, kCenter, kRight };
// Left edge of a caption drawn piecewise in [rect_left, rect_right): its measured width (without
// the "&"s) gets 2 pixels of slack, then it is placed by `placement`.
int AcceleratorTextLeft(int rect_left, int rect_right, int text_width, TextPlacement placement);

// How the accelerator letter is drawn: in the highlight colour, or, when that is the font's own
// colour, with its underline switched instead.
struct AcceleratorKeyLook {
  TColor color;
  bool underline;
};
AcceleratorKeyLook KeyLook(TColor font_color, bool font_underline, TColor highlight);
