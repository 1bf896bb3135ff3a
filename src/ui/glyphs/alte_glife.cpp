#include "ui/glyphs/alte_glife.h"

#include <array>

namespace {

constexpr std::array<std::string_view, kAlteGlifeCount> kNames{
    "",          "Permis", "Interzis", "Surub",     "Linii",        "Check",     "Radio",
    "Anulat",    "GrupX",  "Grup0",    "crescator", "descrescator", "ToolbVert", "ToolbOriz",
    "EscapeImg", "SCLogo", "Pag",      "Vortel",    "Buget",
};

}  // namespace

std::string_view AlteGlifeImageName(TAlteGlife glyph) {
  return glyph < kNames.size() ? kNames[glyph] : std::string_view();
}
