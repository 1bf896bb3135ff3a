// The toolkit's process-wide state: started once before any window is shown, stopped at exit.
#pragma once

#include "forms/forms.h"
#include "ui/core/work_area.h"

// In order: the shared empty bitmap, the display depth, the glyph library (captioned with the
// date and time), its two faces, the hint colour and the work-area limits. Starting twice does
// nothing more.
void StartToolkit();
// Frees the glyph library and the shared bitmaps.
void StopToolkit();

// Returned by every lookup that has no picture; never changed.
const TBitmap& EmptyBitmap();
// The screen has more than 8 bits per pixel.
bool HighColor();
// The flat-button face and the title-bar icon face of the glyph library (empty before start-up).
const TBitmap& FlatButtonFace();
const TBitmap& TitleIconFace();
// The largest size of a sizeable window.
WorkAreaLimits WorkArea();

// The screen rectangle of the taskbar window, all zeros when there is none.
ScreenRect TaskbarRect();
