// The two ways every painted control of the toolkit writes a caption on a canvas.
#pragma once

#include <windows.h>

#include <string>

#include "forms/graphics.h"

// Draws `text` in `r` with DrawText `flags`. A text with an "&" is drawn in pieces: the letter
// after the "&" in `highlight` (or underlined when that is the font colour), the rest in the
// font colour; focused, the "&" is handed to DrawText with the letter.
void DrawAcceleratorText(TCanvas& canvas, const std::string& text, const TRect& r, bool focused,
                         TColor highlight, UINT flags);

// A disabled look: white one pixel right and down, grey in place.
void DrawEmbossedText(TCanvas& canvas, const TRect& r, const std::string& text, UINT flags);
