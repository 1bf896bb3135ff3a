// Background recolouring of a bitmap: the colour of its top-left pixel becomes another one.
#pragma once

#include "forms/graphics.h"

void RecolorBitmapBackground(TBitmap& bitmap, TColor color);
