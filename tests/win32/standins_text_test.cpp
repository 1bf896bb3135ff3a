// The text the stand-ins take in: Program Manager command strings and registration switches.
#include <gtest/gtest.h>

#include "progman/dde_commands.h"
#include "register/command_arguments.h"

namespace {

using standin::ParseDdeCommands;
using standin::ParseRegistrationArguments;

TEST(DdeCommandText, SetupProgramsGroupCommands) {
  const auto commands = ParseDdeCommands(
      "[CreateGroup(\"RidOZIZUZ\")]\r\n[AddItem(\"C:\\Program Files\\WinVort\\VORTEL.EXE\", "
      "\"Vortel\")]\r\n[ShowGroup(\"RidOZIZUZ\",8)]\r\n");
  ASSERT_TRUE(commands);
  ASSERT_EQ(commands->size(), 3u);
  EXPECT_EQ((*commands)[0].name, "CreateGroup");
  EXPECT_EQ((*commands)[0].arguments, std::vector<std::string>{"RidOZIZUZ"});
  EXPECT_EQ((*commands)[1].arguments,
            (std::vector<std::string>{"C:\\Program Files\\WinVort\\VORTEL.EXE", "Vortel"}));
  EXPECT_EQ((*commands)[2].arguments, (std::vector<std::string>{"RidOZIZUZ", "8"}));
}

TEST(DdeCommandText, LooseFormsAndEmptyArguments) {
  const auto commands = ParseDdeCommands("[ExitProgman][AddItem(C:\\A.EXE , , 3)][Reload()]");
  ASSERT_TRUE(commands);
  ASSERT_EQ(commands->size(), 3u);
  EXPECT_TRUE((*commands)[0].arguments.empty());
  EXPECT_EQ((*commands)[1].arguments, (std::vector<std::string>{"C:\\A.EXE", "", "3"}));
  EXPECT_TRUE((*commands)[2].arguments.empty());
}

TEST(DdeCommandText, MalformedTextIsRefusedWhole) {
  EXPECT_FALSE(ParseDdeCommands("[CreateGroup(\"A\")"));
  EXPECT_FALSE(ParseDdeCommands("[CreateGroup(\"A)]"));
  EXPECT_FALSE(ParseDdeCommands("CreateGroup(A)"));
  EXPECT_FALSE(ParseDdeCommands("[(A)]"));
  EXPECT_FALSE(ParseDdeCommands("[A(B)] trailing"));
  EXPECT_TRUE(ParseDdeCommands(" \r\n")->empty());
}

TEST(RegistrationArguments, QuotedUnquotedAndSwitches) {
  auto r = ParseRegistrationArguments(" -Q \"C:\\Program Files\\W\\CFX32.OCX\"");
  EXPECT_TRUE(r.quiet);
  EXPECT_FALSE(r.unregister);
  EXPECT_EQ(r.control, "C:\\Program Files\\W\\CFX32.OCX");

  r = ParseRegistrationArguments("-Q C:\\Program Files\\W\\CFX32.OCX  ");
  EXPECT_EQ(r.control, "C:\\Program Files\\W\\CFX32.OCX") << "an unquoted path runs to the end";

  r = ParseRegistrationArguments("/u /s C:\\W\\CFX32.OCX");
  EXPECT_TRUE(r.quiet);
  EXPECT_TRUE(r.unregister);

  r = ParseRegistrationArguments("-X C:\\W\\CFX32.OCX");
  EXPECT_EQ(r.bad_switch, "-X");
  EXPECT_TRUE(ParseRegistrationArguments("-Q").control.empty());
}

TEST(RegistrationArguments, ProgramTokenIsSkipped) {
  EXPECT_EQ(standin::ArgumentsOf("\"C:\\A B\\TREGSVR.EXE\" -Q X"), " -Q X");
  EXPECT_EQ(standin::ArgumentsOf("C:\\W\\TREGSVR.EXE -Q X"), " -Q X");
  EXPECT_EQ(standin::ArgumentsOf("TREGSVR.EXE"), "");
}

}  // namespace
