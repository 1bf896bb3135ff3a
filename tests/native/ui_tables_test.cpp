#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ui/core/button_kind.h"
#include "ui/glyphs/alte_glife.h"
#include "ui/glyphs/glyph_library.h"
#include "ui/message/message_buttons.h"
#include "ui/message/message_kind.h"

namespace {

bool InLibrary(std::string_view name) {
  const auto names = GlyphLibraryImageNames();
  return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(ButtonKind, CaptionsResultsAndGlyphs) {
  struct Row {
    TMButtonKind kind;
    const char* caption;
    int result;
    const char* glyph;
  };
  const Row rows[] = {
      {mkFirst, "f", 0, "Buget"},
      {mkPrev, "&p", 0, "Precedent"},
      {mkLast, "", 0, ""},
      {mkPrint, "&Listare", 0, "Print"},
      {mkOK, "O&K", 1, "OK"},
      {mkCancel, "&Renunt", 2, "Cancel"},
      {mkCustom, "", 0, ""},
      {mkYes, "&Da", 6, "OK"},
      {mkNo, "&Nu", 7, "Nu"},
      {mkClose, "I&esire", 2, "Exit"},
      {mkAbort, "&Abandon", 3, "Cancel"},
      {mkRetry, "&Retry", 4, "Retry"},
      {mkIgnore, "&Ignora", 5, ""},
      {mkAll, "&Toate", 8, "Image1"},
      {mkSave, "Salve&z", 0, "Save"},
      {mkTransf, "", 0, "BSediu"},
      {mkMail, "E&Mail", 0, "Mail"},
      {mkContr, "", 0, "Contract"},
      {mkExpl, "", 0, "Explicatii"},
      {mkPermis, "", 0, "Permis"},
      {mkAction, "?", 0, "UrmatorBlue"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(KindCaption(r.kind), r.caption) << int(r.kind);
    EXPECT_EQ(KindModalResult(r.kind), r.result) << int(r.kind);
    EXPECT_EQ(KindGlyphName(r.kind), r.glyph) << int(r.kind);
  }
  EXPECT_EQ(kButtonKindCount, 58);
  EXPECT_EQ(NiceButtonGlyphName(mkIgnore), "PrnSetup");
  EXPECT_EQ(NiceButtonGlyphName(mkAll), "Avansat");
  EXPECT_EQ(NiceButtonGlyphName(mkOK), "OK");
  EXPECT_TRUE(KindHidesCaption(mkLast));
  EXPECT_FALSE(KindHidesCaption(mkAdd));
  EXPECT_EQ(KindCaption(static_cast<TMButtonKind>(200)), "");
  EXPECT_EQ(KindGlyphName(static_cast<TMButtonKind>(58)), "");
}

TEST(ButtonKind, EveryGlyphNamedByAKindOrKindOfPictureIsInTheLibrary) {
  for (int k = 0; k < kButtonKindCount; ++k) {
    const auto kind = static_cast<TMButtonKind>(k);
    const bool has_glyph = kind != mkLast && kind != mkCustom && kind != mkIgnore;
    EXPECT_EQ(!KindGlyphName(kind).empty(), has_glyph) << k;
    if (has_glyph) {
      EXPECT_TRUE(InLibrary(KindGlyphName(kind))) << KindGlyphName(kind);
    }
    if (!NiceButtonGlyphName(kind).empty()) {
      EXPECT_TRUE(InLibrary(NiceButtonGlyphName(kind)));
    }
  }
  for (int g = 1; g < kAlteGlifeCount; ++g) {
    const auto name = AlteGlifeImageName(static_cast<TAlteGlife>(g));
    EXPECT_FALSE(name.empty()) << g;
    EXPECT_TRUE(InLibrary(name)) << name;
  }
  EXPECT_EQ(AlteGlifeImageName(glCustom), "");
  EXPECT_EQ(AlteGlifeImageName(glImgEsc), "EscapeImg");
  EXPECT_EQ(AlteGlifeImageName(glVortel), "Vortel");
  EXPECT_EQ(AlteGlifeImageName(glBuget), "Buget");
  for (int t = mtWarning; t < mtCustom; ++t) {
    EXPECT_TRUE(InLibrary(MessageIconName(static_cast<TMsgDlgType>(t))));
  }
  EXPECT_TRUE(InLibrary(kButtonFaceImage));
  EXPECT_TRUE(InLibrary(kTitleIconFaceImage));
}

TEST(GlyphLibrary, OnlyBackgroundsAndTheFaceKeepTheirColours) {
  int kept = 0;
  for (std::string_view name : GlyphLibraryImageNames()) kept += KeepsStoredBackground(name);
  EXPECT_EQ(kept, 7);
  EXPECT_TRUE(KeepsStoredBackground("ButtonFaceZAN"));
  EXPECT_FALSE(KeepsStoredBackground("Warning"));
  EXPECT_FALSE(KeepsStoredBackground("IconFace"));
}

TEST(MessageButtons, PositionsMapToKinds) {
  const TMButtonKind kinds[] = {mkYes,    mkNo,  mkOK, mkCancel, mkAbort, mkRetry,
                                mkIgnore, mkAll, mkNo, mkAll,    mkHelp};
  for (int i = 0; i < kMessageButtonPositions; ++i) EXPECT_EQ(MessageButtonKind(i), kinds[i]);
  EXPECT_EQ(MessageButtonKind(11), mkCustom);
}

}  // namespace
