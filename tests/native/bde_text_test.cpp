// The text decisions of the engine configuration: template, aliases, use count, load errors.
#include <gtest/gtest.h>

#include "bde/alias_list.h"
#include "bde/engine_load_error.h"
#include "bde/registration_template.h"
#include "bde/use_count.h"

TEST(BdeTemplate, FirstPlaceholderOfEachLineGetsTheEscapedDirectory) {
  const std::string dir = "C:\\Program Files";
  EXPECT_EQ(bde::EscapeForRegistryFile("C:\\A\\B"), "C:\\\\A\\\\B");
  EXPECT_EQ(bde::RewriteTemplateLine("X=$ProgDir$\\A", bde::EscapeForRegistryFile(dir)),
            "X=C:\\\\Program Files\\A");
  EXPECT_EQ(bde::RewriteTemplate("[K]\r\n\"A\"=\"$ProgDir$ $ProgDir$\"\nplain $progdir$\r\n", dir),
            "[K]\r\n\"A\"=\"C:\\\\Program Files $ProgDir$\"\r\nplain $progdir$\r\n")
      << "only the first, case-sensitive; every line ends in CR LF";
  const std::string long_tail(1500, 'x');
  EXPECT_EQ(bde::RewriteTemplateLine("$ProgDir$" + long_tail, "D"), "D" + long_tail)
      << "a long line keeps all of its text";
  EXPECT_EQ(bde::RewriteTemplate("no placeholder", dir), "no placeholder\r\n");
}

TEST(BdeTemplate, PathsAndImportCommandLine) {
  EXPECT_EQ(bde::TemplatePath("C:\\Program Files"),
            "C:\\Program Files\\Borland\\Common Files\\BDE\\bde.reg");
  EXPECT_EQ(bde::RegeditCommandLine("C:\\WINDOWS\\regedit.exe", "C:\\Program Files"),
            "\"C:\\WINDOWS\\regedit.exe\" /s "
            "\"C:\\Program Files\\Borland\\Common Files\\BDE\\bde.reg\"");
}

TEST(AliasLists, FourAliasesUnderTheDataDirectoryWithOneBackslash) {
  for (const std::string data_dir : {"D:\\APP", "D:\\APP\\"}) {
    const bde::AliasLists lists = bde::BuildAliasLists(data_dir);
    EXPECT_EQ(lists.names,
              (std::vector<std::string>{"VORTELALIAS", "FIRMAALIAS", "LUNAALIAS", "VORTEL"}));
    EXPECT_EQ(lists.paths, (std::vector<std::string>{"D:\\APP\\NEW\\DATA", "D:\\APP\\NEW\\FIRMA",
                                                     "D:\\APP\\NEW\\LUNA", "D:\\APP\\DATA"}))
        << data_dir;
  }
  EXPECT_EQ(bde::AliasParameter("D:\\APP\\NEW\\DATA"), "PATH:D:\\APP\\NEW\\DATA");
}

TEST(UseCount, OneMoreThanTheStoredNumberOrOne) {
  EXPECT_EQ(bde::NextUseCount("7"), "8");
  EXPECT_EQ(bde::NextUseCount(""), "1");
  EXPECT_EQ(bde::NextUseCount(std::nullopt), "1");
  EXPECT_EQ(bde::NextUseCount("sapte"), "1");
  EXPECT_EQ(bde::NextUseCount("7 "), "1");
  EXPECT_EQ(bde::NextUseCount(" 12"), "13");
  EXPECT_EQ(bde::NextUseCount("99999999999"), "1") << "out of range is not a number";
  EXPECT_EQ(bde::NextUseCount("2147483647"), "2147483648") << "no overflow";
}

TEST(EngineLoadError, SystemErrorsMapToEngineCodes) {
  for (uint32_t not_found : {2u, 3u, 126u, 161u}) EXPECT_EQ(bde::LoadErrorCode(not_found), 0x2108);
  EXPECT_EQ(bde::LoadErrorCode(14), 0x2501);
  EXPECT_EQ(bde::LoadErrorCode(193), 0x2109);
  EXPECT_EQ(bde::LoadErrorCode(0), 0x2109);
}
