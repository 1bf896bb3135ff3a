// What the package's custom actions run: the installer's command line from the package's
// properties, and how the installer's exit codes reach Windows Installer.
#include "package/package_command.h"

#include <gtest/gtest.h>

#include <tuple>

#include "app/command_line.h"

namespace {

// The command line as the installer reads it back, without the program's own name.
std::vector<std::string> Switches(const std::string& command_line) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false;
  for (const char c : command_line) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ' ' && !quoted) {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return std::vector<std::string>(words.begin() + 1, words.end());
}

TEST(PackageCommand, PropertiesNotSetAreLeftOutAndBlanksSurvive) {
  const auto fields = package::ActionFields(
      "MEDIA=C:\\Program Files (x86)\\RidOZIZUZ Setup\\3.20.852\\|TYPE=SERVER|DIR=C:\\Program "
      "Files\\Vortel App|DATADIR=|DATABASE=|ANSWERS=|SERVERDATABASE=|LOG=",
      package::kRunSetupFields);
  ASSERT_TRUE(fields);
  const std::string line = package::SetupCommandLine(*fields);
  EXPECT_EQ(line.substr(0, line.find(" /")),
            "\"C:\\Program Files (x86)\\RidOZIZUZ Setup\\3.20.852\\INSTALL.EXE\"");
  const TSetupOptions options = ParseCommandLine(Switches(line));
  EXPECT_TRUE(options.errors.empty()) << line;
  EXPECT_EQ(options.mode, TRunMode::kVerySilent);
  EXPECT_TRUE(options.no_restart);
  EXPECT_TRUE(options.system_component);
  EXPECT_EQ(options.answers.type, itServer);
  EXPECT_EQ(options.answers.program_dir, "C:\\Program Files\\Vortel App");
  EXPECT_FALSE(options.answers.data_dir.has_value());

  // msiexec /f: the media folder the package installed, its backslash kept, is the kit.
  const auto repair_fields = package::ActionFields(
      "MEDIA=C:\\Program Files (x86)\\RidOZIZUZ Setup\\3.20.852\\|LOG=C:\\repair.log",
      package::kRepairSetupFields);
  ASSERT_TRUE(repair_fields);
  const std::string repair_line = package::RepairCommandLine(*repair_fields);
  const TSetupOptions repair = ParseCommandLine(Switches(repair_line));
  EXPECT_TRUE(repair.errors.empty());
  EXPECT_TRUE(repair.repair);
  EXPECT_EQ(repair.mode, TRunMode::kVerySilent);
  EXPECT_EQ(repair.log_file, "C:\\repair.log");
  // Doubled before the closing quote, the backslash reaches the program once.
  const std::string media = "\"/MEDIA=C:\\Program Files (x86)\\RidOZIZUZ Setup\\3.20.852\\\\\"";
  EXPECT_EQ(repair_line.substr(repair_line.size() - media.size()), media);

  EXPECT_EQ(package::OutcomeOf(0), package::Outcome::kDone);
  EXPECT_EQ(package::OutcomeOf(3010), package::Outcome::kRestartNeeded);
  EXPECT_EQ(package::OutcomeOf(1602), package::Outcome::kCancelled);
  for (const int failure : {1603, 1618, 87, -1})
    EXPECT_EQ(package::OutcomeOf(failure), package::Outcome::kFailed) << failure;
}

TEST(PackageCommand, APropertyHoldingABarIsRefusedAndNamed) {
  // As the package writes the data: each property in its place, those not set empty.
  const auto data = [](const std::string& dir, const std::string& log) {
    return "MEDIA=C:\\Program Files (x86)\\RidOZIZUZ Setup\\3.20.852\\|TYPE=|DIR=" + dir +
           "|DATADIR=|DATABASE=|ANSWERS=|SERVERDATABASE=|LOG=" + log;
  };
  ASSERT_TRUE(package::ActionFields(data("C:\\App", "C:\\setup.log"), package::kRunSetupFields));
  for (const auto& [dir, log, named] :
       {std::tuple<std::string, std::string, std::string>{"C:\\App|MEDIA=\\\\evil\\kit\\", "",
                                                          "DIR"},
        {"C:\\App|", "", "DIR"},
        {"C:\\App|DATADIR=D:\\x", "", "DATADIR"},
        {"C:\\App", "C:\\setup.log|SAVEANSWERS=C:\\Windows\\system.ini", "LOG"}}) {
    std::string refused;
    EXPECT_FALSE(package::ActionFields(data(dir, log), package::kRunSetupFields, &refused))
        << dir << log;
    EXPECT_EQ(refused, named) << dir << log;
  }
  std::string refused;
  EXPECT_FALSE(package::ActionFields("UPGRADECODE={X}|PRODUCTCODE={Y}|REMOVEDATA=1|PRODUCTCODE={Z}",
                                     package::kRemoveSetupFields, &refused));
  EXPECT_EQ(refused, "REMOVEDATA");
}

}  // namespace
