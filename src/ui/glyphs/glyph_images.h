// The glyph library's pictures as bitmaps, found by name among the program's resources.
#pragma once

#include <string_view>

#include "forms/graphics.h"
#include "ui/core/button_kind.h"
#include "ui/glyphs/alte_glife.h"
#include "ui/message/mesaj_dlg.h"

// From the glyph library while the toolkit runs, else loaded once and kept until the program
// ends; the shared empty bitmap for an empty name.
const TBitmap& GlyphImage(std::string_view name);

// The glyph of a button kind; empty for kinds without one.
const TBitmap& KindGlyph(TMButtonKind kind);
// The skinned button shows other pictures for some kinds.
const TBitmap& NiceKindGlyph(TMButtonKind kind);
// The icon of a message kind; empty for mtCustom.
const TBitmap& MessageIcon(TMsgDlgType type);
// A small glyph by kind; empty for glCustom.
const TBitmap& AlteGlyph(TAlteGlife glyph);
