#include "ui/core/gradient.h"

#include <cmath>

TColor PanelGradientColor(TColor start, TColor end, int index, int extent) {
  if (extent <= 0) return start;
  const auto step = [&](int from, int to) {
    return ClampComponent(from + std::ceil(static_cast<double>(index) * (to - from) / extent));
  };
  return MakeColor(step(RedOf(start), RedOf(end)), step(GreenOf(start), GreenOf(end)),
                   step(BlueOf(start), BlueOf(end)));
}

PanelFill ChoosePanelFill(bool use_second_color, TColor color, TColor second_color,
                          bool horizontal) {
  if (!use_second_color || second_color == color) return PanelFill::kSolid;
  return horizontal ? PanelFill::kHorizontalGradient : PanelFill::kVerticalGradient;
}

std::vector<GradientRun> TitleBarGradientRuns(TColor start, TColor end, int width) {
  std::vector<GradientRun> runs;
  if (width <= 0) return runs;
  const double step_r = static_cast<double>(RedOf(end) - RedOf(start)) / width;
  const double step_g = static_cast<double>(GreenOf(end) - GreenOf(start)) / width;
  const double step_b = static_cast<double>(BlueOf(end) - BlueOf(start)) / width;
  double r = RedOf(start), g = GreenOf(start), b = BlueOf(start);
  for (int x = 0; x < width; ++x) {
    const TColor c = MakeColor(static_cast<int>(std::trunc(r)), static_cast<int>(std::trunc(g)),
                               static_cast<int>(std::trunc(b)));
    if (!runs.empty() && runs.back().color == c) {
      runs.back().right = x + 1;
    } else {
      runs.push_back({x, x + 1, c});
    }
    r += step_r;
    g += step_g;
    b += step_b;
  }
  return runs;
}
