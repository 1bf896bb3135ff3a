// Drawing that every painted control of the toolkit shares: captions with a highlighted
// accelerator letter, embossed (disabled) text, and glyph backgrounds taking the face colour.
#pragma once

#include <string>

#include "forms/graphics.h"

// Draws `text` in the canvas font's colour; the letter after the first "&" comes out in
// `highlight` (underlined instead when that is the font's colour), with its prefix underline
// too when `focused`. `flags` are DrawText flags (alignment, vertical centring, single line).
void DrawAcceleratorText(TCanvas& canvas, const std::string& text, const TRect& rect, bool focused,
                         TColor highlight, UINT flags);

// A white copy one pixel right and down under a grey copy in place.
void DrawEmbossedText(TCanvas& canvas, const std::string& text, const TRect& rect, UINT flags);

// Replaces every pixel of the bitmap's background colour (its top-left pixel) by `colour`.
void RecolorBitmapBackground(TBitmap& bitmap, TColor colour);

// Draws image `index` of a strip of `count` equal images side by side at (x, y), leaving out
// the strip's background colour (its top-left pixel).
void DrawGlyphImage(TCanvas& canvas, int x, int y, const TBitmap& strip, int index, int count);
