#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "ui/core/theme.h"

namespace {

TEST(Theme, EmptyFileGivesTheBuiltInLook) {
  const ThemeTable t = ReadTheme("");
  const ThemeFont font{"MS Sans Serif", 1, 10};
  for (const ThemeVariant& v : t) {
    EXPECT_EQ(v.menu_font, font);
    EXPECT_EQ(v.tab_font, font);
    EXPECT_EQ(v.tab_color, 0);
    EXPECT_EQ(v.sorted_tab_color, 1);
    EXPECT_EQ(v.tab_gradient_start, 0xFFFFFF);
  }
  EXPECT_EQ(t[kThemeDate].panel_gradient_start, 0xC79C4E);
  EXPECT_EQ(t[kThemeDate].panel_gradient_end, 0xFFFFFF);
  EXPECT_EQ(t[kThemeDate].tab_gradient_end, 0xB1AB7A);
  EXPECT_EQ(t[kThemeListe].panel_gradient_start, 0xB1B17A);
  EXPECT_EQ(t[kThemeListe].panel_gradient_end, 0xC6C6C6);
  EXPECT_EQ(t[kThemeListe].tab_gradient_end, 0x79A3F0);
}

TEST(Theme, PanelGradientIsReadOnlyWithATabStart) {
  const std::string text =
      "[ZAN_DESIGN]\n"
      "NAME_MENUFONT_DATE=" +
      std::string(120, 'F') +
      "\n"
      "BOLD_MENUFONT_DATE=0\nSIZE_MENUFONT_DATE=12\nNAME_TAB_LISTE=Arial\n"
      "COLOR_TAB_DATE=255\nCOLOR_TABASORT_DATE=$00FF00\n"
      "COLOR_TABDATE_START=$010203\nCOLOR_DATE_START=100\nCOLOR_TABDATE_END=$0A0B0C\n"
      // Without a tab start the panel keys of LISTE are not read.
      "COLOR_LISTE_START=1\nCOLOR_LISTE_END=2\nCOLOR_TABLISTE_END=3\n";
  const ThemeTable t = ReadTheme(text);
  const ThemeVariant& d = t[kThemeDate];
  EXPECT_EQ(d.menu_font, (ThemeFont{std::string(100, 'F'), 0, 12}));
  EXPECT_EQ(d.tab_color, 255);
  EXPECT_EQ(d.sorted_tab_color, 0x00FF00);
  EXPECT_EQ(d.tab_gradient_start, 0x010203);
  EXPECT_EQ(d.panel_gradient_start, 100);
  EXPECT_EQ(d.panel_gradient_end, 0xFFFFFF);  // absent: the current value stays
  EXPECT_EQ(d.tab_gradient_end, 0x0A0B0C);
  const ThemeVariant& l = t[kThemeListe];
  EXPECT_EQ(l.tab_font.name, "Arial");
  EXPECT_EQ(l.tab_gradient_start, 0xFFFFFF);
  EXPECT_EQ(l.panel_gradient_start, 0xB1B17A);
  EXPECT_EQ(l.panel_gradient_end, 0xC6C6C6);
  EXPECT_EQ(l.tab_gradient_end, 3);  // read in both cases

  // An explicit -1 counts as absent.
  EXPECT_EQ(ReadTheme("[ZAN_DESIGN]\nCOLOR_TABDATE_START=-1\nCOLOR_DATE_START=5\n")[0]
                .panel_gradient_start,
            0xC79C4E);
}

TEST(Theme, FileBesideTheProgramOrDefaults) {
  testing_support::TempDir dir;
  const std::string bare = dir.path().string();
  EXPECT_EQ(LoadThemeFile(bare), ReadTheme(""));
  dir.Write("Design.ini", "[ZAN_DESIGN]\r\nSIZE_TAB_LISTE=14\r\n");
  EXPECT_EQ(LoadThemeFile(bare)[kThemeListe].tab_font.size, 14);
  EXPECT_EQ(LoadThemeFile(dir.str())[kThemeListe].tab_font.size, 14);
}

}  // namespace
