// The two-colour gradients of the painted panel and the title bar. Colours are plain RGB values;
// system colours must be resolved by the caller first.
#pragma once

#include <vector>

#include "ui/core/color.h"

// Colour of line `index` of a panel gradient `extent` lines long: each component is
// start + (end - start) * index / extent rounded up, so the last line stops just short of `end`.
TColor PanelGradientColor(TColor start, TColor end, int index, int extent);

enum class PanelFill { kSolid, kHorizontalGradient, kVerticalGradient };
// A second colour equal to the first makes the panel solid.
PanelFill ChoosePanelFill(bool use_second_color, TColor color, TColor second_color,
                          bool horizontal);

// A run of title-bar columns [left, right) sharing one colour.
struct GradientRun {
  int left;
  int right;
  TColor color;
  bool operator==(const GradientRun&) const = default;
};
// The title bar's gradient over `width` columns: the per-column step of each component is
// accumulated column by column and truncated; equal neighbours are merged into one run.
std::vector<GradientRun> TitleBarGradientRuns(TColor start, TColor end, int width);
