// The flat look of edits and combo boxes: a one-pixel frame at the window's edge (3-D when a
// bevel is asked for, else a plain colour that tells focus) and a ring of the field's colour
// inside it, over the system's sunken border.
#pragma once

#include <windows.h>

#include "forms/basic_types.h"

struct FlatBorderLook {
  TBevelCut bevel = bvNone;
  TColor frame = 0x808080;
  TColor inner = 0xFFFFFF;
};

void DrawFlatBorder(HWND window, const FlatBorderLook& look);
