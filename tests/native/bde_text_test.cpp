// The text decisions of the engine configuration: template, aliases, use count, load errors.
#include <gtest/gtest.h>

#include "config/alias_list.h"
#include "config/bde_template.h"
#include "config/engine_load_error.h"
#include "config/use_count.h"

TEST(BdeTemplate, FirstPlaceholderOfEachLineGetsTheEscapedDirectory) {
  const std::string dir = "C:\\Program Files";
  EXPECT_EQ(config::EscapeForRegistryFile("C:\\A\\B"), "C:\\\\A\\\\B");
  EXPECT_EQ(config::RewriteTemplateLine("X=$ProgDir$\\A", config::EscapeForRegistryFile(dir)),
            "X=C:\\\\Program Files\\A");
  EXPECT_EQ(
      config::RewriteTemplate("[K]\r\n\"A\"=\"$ProgDir$ $ProgDir$\"\nplain $progdir$\r\n", dir),
      "[K]\r\n\"A\"=\"C:\\\\Program Files $ProgDir$\"\r\nplain $progdir$\r\n")
      << "only the first, case-sensitive; every line ends in CR LF";
  const std::string long_tail(1500, 'x');
  EXPECT_EQ(config::RewriteTemplateLine("$ProgDir$" + long_tail, "D"), "D" + long_tail)
      << "a long line keeps all of its text";
  EXPECT_EQ(config::RewriteTemplate("no placeholder", dir), "no placeholder\r\n");
}

TEST(BdeTemplate, PathsAndImportCommandLine) {
  EXPECT_EQ(config::TemplatePath("C:\\Program Files"),
            "C:\\Program Files\\Borland\\Common Files\\BDE\\bde.reg");
  EXPECT_EQ(config::RegeditCommandLine("C:\\Program Files"),
            "regedit /s \"C:\\Program Files\\Borland\\Common Files\\BDE\\bde.reg\"");
}

TEST(AliasLists, FourAliasesUnderTheDataDirectoryWithOneBackslash) {
  for (const std::string data_dir : {"D:\\APP", "D:\\APP\\"}) {
    const config::AliasLists lists = config::BuildAliasLists(data_dir);
    EXPECT_EQ(lists.names,
              (std::vector<std::string>{"VORTELALIAS", "FIRMAALIAS", "LUNAALIAS", "VORTEL"}));
    EXPECT_EQ(lists.paths, (std::vector<std::string>{"D:\\APP\\NEW\\DATA", "D:\\APP\\NEW\\FIRMA",
                                                     "D:\\APP\\NEW\\LUNA", "D:\\APP\\DATA"}))
        << data_dir;
  }
  EXPECT_EQ(config::AliasParameter("D:\\APP\\NEW\\DATA"), "PATH:D:\\APP\\NEW\\DATA");
}

TEST(UseCount, OneMoreThanTheStoredNumberOrOne) {
  EXPECT_EQ(config::NextUseCount("7"), "8");
  EXPECT_EQ(config::NextUseCount(""), "1");
  EXPECT_EQ(config::NextUseCount(std::nullopt), "1");
  EXPECT_EQ(config::NextUseCount("sapte"), "1");
  EXPECT_EQ(config::NextUseCount("7 "), "1");
  EXPECT_EQ(config::NextUseCount(" 12"), "13");
  EXPECT_EQ(config::NextUseCount("99999999999"), "1") << "out of range is not a number";
  EXPECT_EQ(config::NextUseCount("2147483647"), "2147483648") << "no overflow";
}

TEST(EngineLoadError, SystemErrorsMapToEngineCodes) {
  for (uint32_t not_found : {2u, 3u, 126u, 161u})
    EXPECT_EQ(config::LoadErrorCode(not_found), 0x2108);
  EXPECT_EQ(config::LoadErrorCode(14), 0x2501);
  EXPECT_EQ(config::LoadErrorCode(193), 0x2109);
  EXPECT_EQ(config::LoadErrorCode(0), 0x2109);
}
