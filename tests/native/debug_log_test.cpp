#include "log/debug_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "support/temp_dir.h"

using testing_support::TempDir;

namespace {

uint32_t now_ms = 0;
uint32_t FakeClock() {
  return now_ms;
}
std::string FakeDate() {
  return "08.12.2026 10:11:12";
}
std::vector<std::string> reported;
void Record(const std::string& text) {
  reported.push_back(text);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = text.find("\r\n", at);
    lines.push_back(text.substr(at, end - at));
    if (end == std::string::npos) break;
    at = end + 2;
  }
  return lines;
}

class DebugLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    now_ms = 3723004;  // 01:02:03.004
    reported.clear();
    SetDebugClock(&FakeClock, &FakeDate);
    SetDebugErrorReporter(&Record);
  }
  void TearDown() override {
    DebugEnabled = false;
    SetDebugClock(nullptr, nullptr);
    SetDebugErrorReporter(nullptr);
  }
  TempDir dir;
};

}  // namespace

TEST_F(DebugLogTest, SessionWithNestedTasksAndNotes) {
  DebugEnabled = true;
  DebugOpen(dir.File("vortinst.log"), "INSTALL");
  DebugBegin("DoConfigBDE");
  DebugBegin("Title init");
  DebugNote("inner");
  DebugEnd("Title init");
  DebugError("eroare", 5);
  DebugEnd("DoConfigBDE");
  DebugClose();
  EXPECT_FALSE(DebugEnabled);

  const std::string tag = " <TIMP 01:02:03.004 > ";
  const std::vector<std::string> expected = {
      tag,
      "Begin debug session: INSTALL - 08.12.2026 10:11:12" + tag,
      "BEGIN => DoConfigBDE" + tag,
      " | |BEGIN => Title init" + tag,
      "      *       inner" + tag,
      " | |END <- Title init" + tag,
      "    *       eroare / 5" + tag,
      "END <- DoConfigBDE" + tag,
      "End debug session: INSTALL - 08.12.2026 10:11:12" + tag,
  };
  EXPECT_EQ(Lines(dir.Read("vortinst.log")), expected);
  EXPECT_EQ(reported, std::vector<std::string>{"eroare\r5"});
}

TEST_F(DebugLogTest, SessionsAppendAndNothingIsWrittenWhileOff) {
  DebugEnabled = true;
  DebugOpen(dir.File("vortinst.log"), "A");
  DebugClose();
  DebugNote("ignored while off");
  DebugOpen(dir.File("vortinst.log"), "B");
  DebugEnabled = true;
  DebugOpen(dir.File("vortinst.log"), "B");
  DebugClose();
  const auto lines = Lines(dir.Read("vortinst.log"));
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[3].rfind(" <TIMP ", 0), 0u);
  EXPECT_EQ(lines[5].rfind("End debug session: B - ", 0), 0u);
}

TEST_F(DebugLogTest, ErrorDialogShowsEvenWithTheLogOff) {
  DebugError("eroare", -1);
  EXPECT_EQ(reported, std::vector<std::string>{"eroare\r-1"});
}

TEST_F(DebugLogTest, UncreatableFileReportsOpenThenWriteAndSwitchesOff) {
  DebugEnabled = true;
  DebugOpen(dir.File("no-such-dir/vortinst.log"), "INSTALL");
  EXPECT_FALSE(DebugEnabled);
  EXPECT_EQ(reported,
            (std::vector<std::string>{"eroare OPEN debug\r0", "eroare SCRIERE debug\r0"}));
  DebugNote("after");
  EXPECT_EQ(reported.size(), 2u);
}

TEST_F(DebugLogTest, ALinkLeftInTheLogsPlaceSendsTheLogToTheRunsFolder) {
  TempDir outside, run;
  outside.Write("system.ini", "[boot]\r\n");
  std::filesystem::create_hard_link(outside.File("system.ini"), dir.File("vortinst.log"));
  static std::string run_folder;
  run_folder = run.str();
  SetDebugFallbackFolder([] { return run_folder; });
  DebugEnabled = true;
  DebugOpen(dir.File("vortinst.log"), "INSTALL");
  DebugNote("in the run's folder");
  DebugClose();
  SetDebugFallbackFolder(nullptr);
  EXPECT_EQ(outside.Read("system.ini"), "[boot]\r\n") << "the linked file is untouched";
  const std::vector<std::string> lines = Lines(run.Read(kDebugFallbackName));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_NE(lines[0].find("Logul nu se scrie in " + dir.File("vortinst.log")), std::string::npos)
      << "the first line names the place refused: " << lines[0];
  EXPECT_EQ(lines[2].rfind("Begin debug session: INSTALL", 0), 0u) << lines[2];
  EXPECT_NE(lines[3].find("in the run's folder"), std::string::npos) << lines[3];
  EXPECT_TRUE(reported.empty());
}
