// The journal of a run: what it keeps, how it is undone, and a dry run that changes nothing.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include "changes/change_text.h"
#include "changes/files.h"
#include "changes/journal.h"
#include "changes/rollback.h"
#include "os/os.h"
#include "os/text_lines.h"
#include "support/temp_dir.h"

using testing_support::TempDir;

namespace {

// A file written beside its target, as the extraction engine writes one.
std::string Scratch(const TempDir& dir, const std::string& content) {
  static int n = 0;
  const std::string name = "scratch" + std::to_string(++n);
  dir.Write(name, content);
  return dir.File(name);
}

class Journal : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(changes::BeginJournal(work.File("run.jrn"), work.File("backups")));
  }
  void TearDown() override { changes::EndRun(false); }
  TempDir work, machine;
};

}  // namespace

TEST_F(Journal, UndoesARunFromTheLastChangeAndNeverWhatOthersChangedSince) {
  machine.Write("old.txt", "what the user had");
  machine.Write("config.sys", "FILES=30\r\n");
  const std::string dir = machine.File("App");
  ASSERT_TRUE(changes::MakeDirectory(dir));
  ASSERT_TRUE(changes::CommitFile(Scratch(machine, "new program"), dir + "/VORTEL.EXE"));
  ASSERT_TRUE(changes::CommitFile(Scratch(machine, "the run's version"), machine.File("old.txt")));
  ASSERT_TRUE(changes::ReplaceTextFile(machine.File("config.sys"), "FILES=255\r\n",
                                       "set CONFIG.SYS FILES=255 (was 30)"));
  ASSERT_TRUE(changes::CommitFile(Scratch(machine, "help"), dir + "/VORTEL.HLP"));
  EXPECT_EQ(machine.Read("old.txt"), "the run's version");
  EXPECT_EQ(machine.Read("config.sys"), "FILES=255\r\n");

  // The journal on disk reads back as the run made it, a person's line for each change.
  const std::vector<changes::Change> journal = changes::LoadJournal(work.File("run.jrn"));
  ASSERT_EQ(journal.size(), 5u);
  EXPECT_EQ(journal[0].description, "create directory " + dir);
  EXPECT_EQ(journal[1].description, "create file " + dir + "/VORTEL.EXE (11 bytes)");
  EXPECT_EQ(journal[2].description, "replace file " + machine.File("old.txt") + " (17 bytes)");
  EXPECT_EQ(journal[3].value, "FILES=255\r\n");
  EXPECT_EQ(changes::EncodeChange(journal[2]), changes::EncodeChange(changes::RunChanges()[2]));

  // Someone changes the help after the run: it stays, and so does its directory.
  machine.Write("App/VORTEL.HLP", "the user's own notes");
  changes::UndoReport report = changes::Undo(journal);
  EXPECT_EQ(machine.Read("old.txt"), "what the user had") << "put back byte for byte";
  EXPECT_EQ(machine.Read("config.sys"), "FILES=30\r\n");
  EXPECT_FALSE(machine.Exists("App/VORTEL.EXE"));
  EXPECT_EQ(machine.Read("App/VORTEL.HLP"), "the user's own notes");
  ASSERT_EQ(report.failures.size(), 2u) << "each step that could not be undone is named";
  EXPECT_NE(report.failures[0].find("VORTEL.HLP"), std::string::npos) << report.failures[0];
  EXPECT_NE(report.failures[1].find("App"), std::string::npos) << report.failures[1];
  EXPECT_EQ(report.undone, 3);
}

#ifdef _WIN32
// A file another program holds cannot be removed: it is named, and the rest is still undone.
TEST_F(Journal, AFileThatCannotBeRemovedIsNamedAndTheRestStillUndone) {
  ASSERT_TRUE(changes::MakeDirectory(machine.File("App")));
  ASSERT_TRUE(changes::CommitFile(Scratch(machine, "first"), machine.File("App\\A.EXE")));
  ASSERT_TRUE(changes::CommitFile(Scratch(machine, "held"), machine.File("App\\B.EXE")));
  ASSERT_TRUE(changes::CommitFile(Scratch(machine, "last"), machine.File("App\\C.EXE")));
  HANDLE held = CreateFileA(machine.File("App\\B.EXE").c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const changes::UndoReport report = changes::Undo(changes::RunChanges());
  CloseHandle(held);
  ASSERT_EQ(report.failures.size(), 2u) << "the file, then its directory";
  EXPECT_NE(report.failures[0].find("B.EXE"), std::string::npos) << report.failures[0];
  EXPECT_FALSE(machine.Exists("App/A.EXE"));
  EXPECT_FALSE(machine.Exists("App/C.EXE"));
  EXPECT_TRUE(machine.Exists("App/B.EXE"));
}
#endif

TEST(Plan, ListsWhatARunWouldChangeAndChangesNothing) {
  TempDir work, machine;
  machine.Write("CONFIG.SYS", "FILES=30\r\n");
  ASSERT_TRUE(changes::BeginPlan(work.File("plan.txt"), work.File("scratch")));
  const std::string dir = machine.File("App");
  EXPECT_TRUE(changes::MakeDirectory(dir));
  EXPECT_TRUE(changes::DirectoryExists(dir)) << "later steps see what the plan made";
  EXPECT_FALSE(os::DirectoryExists(dir));
  changes::PlanFile(dir + "/VORTEL.EXE", 1234567);
  changes::PlanFile(dir + "/VORTEL.EXE", 1234567);
  EXPECT_TRUE(changes::FileExists(dir + "/VORTEL.EXE"));
  EXPECT_TRUE(changes::ReplaceTextFile(machine.File("CONFIG.SYS"), "FILES=255\r\n",
                                       "set CONFIG.SYS FILES=255 (was 30)"));
  EXPECT_TRUE(changes::NoteTemporaryFile(machine.File("App/EXE.ZIP")));
  changes::EndRun(false);

  EXPECT_EQ(os::SplitLines(work.Read("plan.txt")),
            (std::vector<std::string>{"create directory " + dir,
                                      "create file " + dir + "/VORTEL.EXE (1,234,567 bytes)",
                                      "replace file " + dir + "/VORTEL.EXE (1,234,567 bytes)",
                                      "set CONFIG.SYS FILES=255 (was 30)"}));
  EXPECT_EQ(machine.Read("CONFIG.SYS"), "FILES=30\r\n");
  EXPECT_FALSE(machine.Exists("App"));
}
