// The caption language of the formatted label: inline markers change the colour, size and style
// of the text that follows, or switch its shadow and blinking on and off.
//
//   CR (or LF, or CR LF)  new line
//   @n   colour = palette entry n (0 to 36)      &n   size = n points
//   $n   style: 0 normal, 1 italic, 2 bold, 3 bold italic
//   %    shadow on/off                             ~    blinking on/off
//   \$ \% \& \@ \~   the character itself
//
// A marker whose number is missing or out of range changes nothing and is not shown.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/core/color.h"

using FmtStyle = uint8_t;
constexpr FmtStyle kFmtBold = 1, kFmtItalic = 2, kFmtUnderline = 4, kFmtStrikeOut = 8;

// The label's own font name applies to every segment.
struct FmtFont {
  TColor color = 0;
  int size = 8;  // points
  FmtStyle style = 0;
  bool operator==(const FmtFont&) const = default;
};

struct FmtSegment {
  std::string text;
  FmtFont font;
  bool shadow = false;
  bool blink = false;
};

// Never empty: an empty line holds one empty segment, whose font still gives the line its height.
using FmtLine = std::vector<FmtSegment>;

constexpr int kFmtPaletteSize = 37;
// Entries 0 to 15 are the sixteen standard colours, 16 to 36 the system colours 0 to 20.
TColor FmtPaletteColor(int index);

std::vector<FmtLine> ParseFmtCaption(std::string_view caption, const FmtFont& label_font);

// A caption that shows `text` exactly as written: every marker character is escaped, so that a
// path such as "C:\PROGRA~1" or a "50%" neither blinks nor loses a character.
std::string LiteralFmtCaption(std::string_view text);
