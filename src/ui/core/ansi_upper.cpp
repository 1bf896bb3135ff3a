#include "ui/core/ansi_upper.h"

namespace {

unsigned char UpperOf(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  // Accented letters: the upper half mirrors the range 0xC0..0xDE, except the division sign
  // and the dot above.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A:  // s caron
    case 0x9C:  // s acute
    case 0x9D:  // t caron
    case 0x9E:  // z caron
    case 0x9F:  // z acute
      return static_cast<unsigned char>(c - 0x10);
    case 0xB3:  // l stroke
      return 0xA3;
    case 0xB9:  // a ogonek
      return 0xA5;
    case 0xBA:  // s cedilla
      return 0xAA;
    case 0xBE:  // l caron
      return 0xBC;
    case 0xBF:  // z dot
      return 0xAF;
    default:
      return c;
  }
}

}  // namespace

std::string AnsiUpperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(UpperOf(static_cast<unsigned char>(c)));
  return out;
}
