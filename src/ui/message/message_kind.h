// What each kind of message shows when the caller gives no caption, and its icon.
#pragma once

#include <string_view>

#include "ui/message/mesaj_dlg.h"

// Empty for mtCustom and values outside the kinds.
std::string_view DefaultMessageCaption(TMsgDlgType type);
// Name of the glyph-library icon; empty (no icon) for mtCustom.
std::string_view MessageIconName(TMsgDlgType type);
