// The colour map applied to forms after loading: the system button face becomes a fixed grey so
// that every form looks the same whatever the user's scheme; the toolkit's own greys stay.
#pragma once

#include "ui/core/color.h"

constexpr TColor kMappedButtonFace = 0xC8D0D4;

TColor MapColor(TColor colour);
