// The glyph library's pictures as bitmaps, found by name among the program's resources.
#pragma once

#include <string_view>

#include "forms/graphics.h"
#include "ui/button_kind.h"

// Loaded once and kept until the program ends; a shared empty bitmap for a name without one.
const TBitmap& GlyphImage(std::string_view name);

// The glyph of a button kind; empty for kinds without one.
const TBitmap& KindGlyph(TMButtonKind kind);
// The skinned button shows other pictures for some kinds.
const TBitmap& NiceKindGlyph(TMButtonKind kind);
