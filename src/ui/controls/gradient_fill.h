// Fills a rectangle of a canvas with a two-colour gradient, line by line.
#pragma once

#include "forms/graphics.h"

// Horizontal: columns from `start` at the left towards `end`; otherwise rows from the top.
// False when there is nothing to draw on.
bool FillGradient(TCanvas& canvas, const TRect& r, TColor start, TColor end, bool horizontal);
