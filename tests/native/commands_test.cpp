// Command texts of the registration programs and of the program group.
#include <gtest/gtest.h>

#include <set>

#include "config/group_commands.h"
#include "config/registration_commands.h"

TEST(RegistrationCommands, PathsAreQuotedSoBlanksCannotSplitThem) {
  EXPECT_EQ(config::HhupdCommandLine("C:\\Program Files\\Vort"),
            "\"C:\\Program Files\\Vort\\HHUPD.EXE\" /Q");
  EXPECT_EQ(config::TregsvrCommandLine("C:\\Program Files\\Vort"),
            "\"C:\\Program Files\\Vort\\TREGSVR.EXE\" -Q \"C:\\Program Files\\Vort\\CFX32.OCX\"");
}

TEST(GroupCommands, MainProgramAlwaysSiblingsOnlyWhenPresent) {
  const auto none = [](const std::string&) { return false; };
  EXPECT_EQ(config::GroupCommandText(config::GroupCommands("C:\\WinVort", none)),
            "[CreateGroup(\"RidOZIZUZ\")]\r\n"
            "[AddItem(\"C:\\WinVort\\VORTEL.EXE\", \"Vortel\")]\r\n"
            "[ShowGroup(\"RidOZIZUZ\",8)]\r\n");

  std::set<std::string> asked;
  const auto all = [&](const std::string& path) {
    asked.insert(path);
    return true;
  };
  EXPECT_EQ(
      config::GroupCommands("D:\\V V", all),
      (std::vector<std::string>{
          "[CreateGroup(\"RidOZIZUZ\")]", "[AddItem(\"D:\\V V\\VORTEL.EXE\", \"Vortel\")]",
          "[AddItem(\"D:\\V V\\MELDORA.EXE\", \"Meldora\")]",
          "[AddItem(\"D:\\V V\\ROVANEL.EXE\", \"Rovanel\")]",
          "[AddItem(\"D:\\V V\\TESKARD.EXE\", \"Teskard\")]", "[ShowGroup(\"RidOZIZUZ\",8)]"}));
  EXPECT_EQ(asked.count("D:\\V V\\VORTEL.EXE"), 0u) << "the main program is not looked for";

  const auto only_rovanel = [](const std::string& path) {
    return path.find("ROVANEL") != std::string::npos;
  };
  EXPECT_EQ(config::GroupCommands("C:\\W", only_rovanel)[2],
            "[AddItem(\"C:\\W\\ROVANEL.EXE\", \"Rovanel\")]");
}
