// Disabled captions are drawn embossed: a white copy one pixel right and down under a grey copy
// in place.
#pragma once

#include <array>

#include "ui/core/color.h"

struct EmbossLayer {
  int dx;
  int dy;
  TColor color;
};
// In drawing order.
constexpr std::array<EmbossLayer, 2> kEmbossLayers{{{1, 1, 0xFFFFFF}, {0, 0, 0x808080}}};
