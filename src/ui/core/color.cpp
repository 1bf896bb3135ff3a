#include "ui/core/color.h"

#include <cmath>

int ClampComponent(double value) {
  if (std::isnan(value) || value < 0) return 0;
  if (value > 255) return 255;
  return static_cast<int>(std::ceil(value));
}

TColor HintColor(bool high_colour) {
  return high_colour ? MakeColor(217, 226, 230) : MakeColor(255, 255, 0);
}
