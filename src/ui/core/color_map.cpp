#include "ui/core/color_map.h"

#include <array>
#include <utility>

namespace {

constexpr TColor kButtonFace = SystemColorIndex(15);

constexpr std::array<std::pair<TColor, TColor>, 8> kColorMap{{
    {kButtonFace, kMappedButtonFace},
    {0x9C9C9D, 0x9C9C9D},
    {0xA9A9A9, 0xA9A9A9},
    {0xB6B6B6, 0xB6B6B6},
    {0xCFCFCF, 0xCFCFCF},
    {0xDFDFDF, 0xDFDFDF},
    {0xEFEFEF, 0xEFEFEF},
    {kMappedButtonFace, kMappedButtonFace},
}};

}  // namespace

TColor MapColor(TColor colour) {
  for (const auto& [key, value] : kColorMap) {
    if (key == colour) return value;
  }
  return colour;
}
