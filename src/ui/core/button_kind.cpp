#include "ui/core/button_kind.h"

#include <array>

namespace {

struct KindInfo {
  std::string_view caption;
  int modal_result;
  std::string_view glyph;
};

constexpr std::array<KindInfo, kButtonKindCount> kKinds{{
    {"f", 0, "Buget"},             // mkFirst
    {"&p", 0, "Precedent"},        // mkPrev
    {"&u", 0, "Urmator"},          // mkNext
    {"", 0, ""},                   // mkLast
    {"&Adaug", 0, "Add"},          // mkAdd
    {"&Sterg", 0, "Delete"},       // mkDelete
    {"&Jurnal", 0, "Jurnal"},      // mkRecord
    {"&w", 0, "Vizual"},           // mkView
    {"&Listare", 0, "Print"},      // mkPrint
    {"O&K", 1, "OK"},              // mkOK
    {"&Renunt", 2, "Cancel"},      // mkCancel
    {"S&faturi", 0, "Help"},       // mkHelp
    {"", 0, ""},                   // mkCustom
    {"&Da", 6, "OK"},              // mkYes
    {"&Nu", 7, "Nu"},              // mkNo
    {"I&esire", 2, "Exit"},        // mkClose
    {"&Abandon", 3, "Cancel"},     // mkAbort
    {"&Retry", 4, "Retry"},        // mkRetry
    {"&Ignora", 5, ""},            // mkIgnore
    {"&Toate", 8, "Image1"},       // mkAll
    {"&Modific", 0, "Edit"},       // mkEdit
    {"Analiti&c", 0, "Analitic"},  // mkAnalitic
    {"&Detalii", 0, "Detalii"},    // mkDetalii
    {"Vort&el", 0, "Vortel"},      // mkVortel
    {"Salve&z", 0, "Save"},        // mkSave
    {"", 0, "Plus"},               // mkPlus
    {"", 0, "BUnelte"},            // mkUnelte
    {"", 0, "Config"},             // mkConfig
    {"", 0, "Stoc"},               // mkStoc
    {"", 0, "Sold"},               // mkSold
    {"", 0, "BIntr"},              // mkIntr
    {"", 0, "BSediu"},             // mkTransf
    {"", 0, "BIes"},               // mkIes
    {"", 0, "BBani"},              // mkBani
    {"E&Mail", 0, "Mail"},         // mkMail
    {"", 0, "BigExit"},            // mkBigExit
    {"", 0, "PlusAdd"},            // mkPlusAdd
    {"", 0, "PlusBlue"},           // mkPlusBlue
    {"", 0, "PlusPorto"},          // mkPlusPorto
    {"", 0, "PlusPeach"},          // mkPlusPeach
    {"", 0, "PlusSnorkel"},        // mkPlusSnorkel
    {"", 0, "MinusDel"},           // mkMinusDel
    {"", 0, "FirstPag"},           // mkFirstPag
    {"", 0, "LastPag"},            // mkLastPag
    {"", 0, "PrevPag"},            // mkPrevPag
    {"", 0, "NextPag"},            // mkNextPag
    {"", 0, "nPrev"},              // mknPrev
    {"", 0, "nNext"},              // mknNext
    {"", 0, "Find"},               // mkFind
    {"", 0, "FindNext"},           // mkFindNext
    {"", 0, "Grafic"},             // mkGrafic
    {"", 0, "SaveAs"},             // mkSaveAs
    {"", 0, "nFirst"},             // mknFirst
    {"", 0, "nLast"},              // mknLast
    {"", 0, "Contract"},           // mkContr
    {"", 0, "Explicatii"},         // mkExpl
    {"", 0, "Permis"},             // mkPermis
    {"?", 0, "UrmatorBlue"},       // mkAction
}};

const KindInfo* Find(TMButtonKind kind) {
  return kind < kKinds.size() ? &kKinds[kind] : nullptr;
}

}  // namespace

std::string_view KindCaption(TMButtonKind kind) {
  const KindInfo* info = Find(kind);
  return info ? info->caption : std::string_view();
}

int KindModalResult(TMButtonKind kind) {
  const KindInfo* info = Find(kind);
  return info ? info->modal_result : 0;
}

std::string_view KindGlyphName(TMButtonKind kind) {
  const KindInfo* info = Find(kind);
  return info ? info->glyph : std::string_view();
}

std::string_view NiceButtonGlyphName(TMButtonKind kind) {
  if (kind == mkIgnore) return "PrnSetup";
  if (kind == mkAll) return "Avansat";
  return KindGlyphName(kind);
}
