// The ini file held in memory: parsing, lookups, numbers, writing back.
#include "forms/ini_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

TEST(IniFile, ReadsSectionsAndKeysWithoutRegardToCase) {
  testing_support::TempDir dir;
  dir.Write("Design.ini",
            "; theme\r\n"
            "stray=ignored\r\n"
            "[ZAN_DESIGN]\r\n"
            "  NAME_MENUFONT_DATE = Arial Narrow \r\n"
            "COLOR_DATE_START=$C79C4E\r\n"
            "COLOR_TABDATE_START=-1\n"
            "SIZE_TAB_DATE=0x10\n"
            "BOLD_TAB_DATE=yes\n"
            "color_date_start=1\n"
            "[Other]\n"
            "novalue\n");
  TMemIniFile ini(dir.File("Design.ini"));
  EXPECT_EQ(ini.ReadString("zan_design", "name_menufont_date", "-"), "Arial Narrow");
  EXPECT_EQ(ini.ReadInteger("ZAN_DESIGN", "COLOR_DATE_START", 0), 0xC79C4E);  // first one wins
  EXPECT_EQ(ini.ReadInteger("ZAN_DESIGN", "COLOR_TABDATE_START", 0), -1);
  EXPECT_EQ(ini.ReadInteger("ZAN_DESIGN", "SIZE_TAB_DATE", 0), 16);
  EXPECT_EQ(ini.ReadInteger("ZAN_DESIGN", "BOLD_TAB_DATE", 7), 7);  // not a number
  EXPECT_EQ(ini.ReadString("ZAN_DESIGN", "stray", "none"), "none");
  EXPECT_TRUE(ini.ValueExists("Other", "novalue"));
  EXPECT_EQ(ini.ReadString("Other", "novalue", "x"), "");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"ZAN_DESIGN", "Other"}));
}

TEST(IniFile, NumbersOutsideTheirRangeGiveTheDefault) {
  int32_t v = 0;
  EXPECT_TRUE(ParseIntegerText("$FFFFFFFF", v));
  EXPECT_EQ(v, -1);
  EXPECT_TRUE(ParseIntegerText("-2147483648", v));
  EXPECT_EQ(v, INT32_MIN);
  EXPECT_FALSE(ParseIntegerText("2147483648", v));
  EXPECT_FALSE(ParseIntegerText("$100000000", v));
  EXPECT_FALSE(ParseIntegerText("99999999999999999999", v));
  EXPECT_FALSE(ParseIntegerText("$", v));
  EXPECT_FALSE(ParseIntegerText("", v));
  EXPECT_FALSE(ParseIntegerText("12a", v));
}

TEST(IniFile, MissingFileIsEmptyAndWritesGoBackOnlyOnUpdate) {
  testing_support::TempDir dir;
  const std::string path = dir.File("new.ini");
  {
    TMemIniFile ini(path);
    EXPECT_FALSE(ini.SectionExists("General"));
    EXPECT_EQ(ini.ReadInteger("General", "NrDiscuri", 3), 3);
    ini.WriteInteger("General", "NrDiscuri", 5);
    ini.WriteBool("General", "Log", true);
    ini.WriteString("general", "nrdiscuri", "6");  // same key, other case
    EXPECT_FALSE(dir.Exists("new.ini"));
    ASSERT_TRUE(ini.UpdateFile());
  }
  TMemIniFile again(path);
  EXPECT_EQ(again.ReadInteger("General", "NrDiscuri", 0), 6);
  EXPECT_TRUE(again.ReadBool("General", "Log", false));
  EXPECT_EQ(again.ReadSection("General").size(), 2u);
  again.DeleteKey("General", "Log");
  again.EraseSection("Missing");
  EXPECT_FALSE(again.ValueExists("General", "Log"));
  again.EraseSection("GENERAL");
  EXPECT_FALSE(again.SectionExists("General"));
}

TEST(IniFile, UnwritableTargetFailsAndLeavesNothingBehind) {
  testing_support::TempDir dir;
  TMemIniFile ini(dir.File("missing-dir/x.ini"));
  ini.WriteString("A", "b", "c");
  EXPECT_FALSE(ini.UpdateFile());
  EXPECT_FALSE(dir.Exists("missing-dir"));
}

}  // namespace
