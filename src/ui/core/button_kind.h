// The kinds of toolkit push buttons: each gives a button its caption, modal result and glyph.
#pragma once

#include <cstdint>
#include <string_view>

enum TMButtonKind : uint8_t {
  mkFirst,
  mkPrev,
  mkNext,
  mkLast,
  mkAdd,
  mkDelete,
  mkRecord,
  mkView,
  mkPrint,
  mkOK,
  mkCancel,
  mkHelp,
  mkCustom,
  mkYes,
  mkNo,
  mkClose,
  mkAbort,
  mkRetry,
  mkIgnore,
  mkAll,
  mkEdit,
  mkAnalitic,
  mkDetalii,
  mkVortel,
  mkSave,
  mkPlus,
  mkUnelte,
  mkConfig,
  mkStoc,
  mkSold,
  mkIntr,
  mkTransf,
  mkIes,
  mkBani,
  mkMail,
  mkBigExit,
  mkPlusAdd,
  mkPlusBlue,
  mkPlusPorto,
  mkPlusPeach,
  mkPlusSnorkel,
  mkMinusDel,
  mkFirstPag,
  mkLastPag,
  mkPrevPag,
  mkNextPag,
  mknPrev,
  mknNext,
  mkFind,
  mkFindNext,
  mkGrafic,
  mkSaveAs,
  mknFirst,
  mknLast,
  mkContr,
  mkExpl,
  mkPermis,
  mkAction,
};
constexpr int kButtonKindCount = mkAction + 1;

// Empty for kinds without a caption; any value outside the kinds gives the empty caption, result 0
// and no glyph.
std::string_view KindCaption(TMButtonKind kind);
int KindModalResult(TMButtonKind kind);
// Name of the glyph-library image of the kind, empty when the kind has none.
std::string_view KindGlyphName(TMButtonKind kind);
// The skinned button shows other pictures for two kinds.
std::string_view NiceButtonGlyphName(TMButtonKind kind);
// The navigation kinds show only their glyph on a light button.
constexpr bool KindHidesCaption(TMButtonKind kind) {
  return kind < mkAdd;
}
