#include "ui/glyphs/glyph_library.h"

#include <algorithm>
#include <array>

namespace {

constexpr auto kImages = std::to_array<std::string_view>(
    {// Message icons.
     "Warning", "Error", "Information", "Confirmation",
     // Button glyphs.
     "Buget", "Precedent", "Urmator", "Add", "Delete", "Jurnal", "Vizual", "Print", "OK", "Cancel",
     "Help", "Nu", "Exit", "Retry", "Image1", "Edit", "Analitic", "Detalii", "Vortel", "Save",
     "Mail", "UrmatorBlue", "Plus", "BUnelte", "Config", "Stoc", "Sold", "BIntr", "BSediu", "BIes",
     "BBani", "BigExit", "PlusAdd", "PlusBlue", "PlusPorto", "PlusPeach", "PlusSnorkel", "MinusDel",
     "FirstPag", "LastPag", "PrevPag", "NextPag", "nPrev", "nNext", "Find", "FindNext", "Grafic",
     "SaveAs", "nFirst", "nLast", "Contract", "Explicatii", "Permis", "PrnSetup", "Avansat",
     // Small glyphs.
     "Interzis", "Surub", "Linii", "Check", "Radio", "Anulat", "GrupX", "Grup0", "crescator",
     "descrescator", "ToolbVert", "ToolbOriz", "EscapeImg", "SCLogo", "Pag",
     // Faces.
     "IconFace", "ButtonFaceZAN",
     // Backgrounds.
     "ImageDate", "ImageListe", "StopModi", "Hartie", "Mijloc", "ButtonFaceZAN120"});

constexpr std::array<std::string_view, 7> kStoredBackground{
    "ImageDate", "ImageListe", "StopModi", "Hartie", "Mijloc", "ButtonFaceZAN", "ButtonFaceZAN120"};

}  // namespace

std::span<const std::string_view> GlyphLibraryImageNames() {
  return kImages;
}

bool KeepsStoredBackground(std::string_view image_name) {
  return std::find(kStoredBackground.begin(), kStoredBackground.end(), image_name) !=
         kStoredBackground.end();
}
