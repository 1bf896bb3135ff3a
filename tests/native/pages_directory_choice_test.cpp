#include <gtest/gtest.h>

#include <filesystem>

#include "changes/journal.h"
#include "os/os.h"
#include "support/temp_dir.h"
#include "wizard/fresh/directories.h"

using testing_support::TempDir;

namespace {

TInstallState StateFor(TInstallType type) {
  TInstallState state;
  state.InstallType = type;
  return state;
}

// The product's spelling of a path inside the scratch directory.
std::string In(const TempDir& dir, const std::string& relative) {
  return dir.str() + relative;
}

}  // namespace

TEST(DirectoryChoice, LocalCreatesTheProgramDirectoryAndPutsTheDatabaseThere) {
  TempDir dir;
  TInstallState state = StateFor(itLocal);
  const std::string program = In(dir, "WinVort");
  const DirectoryOutcome outcome =
      StoreDirectories(state, program, "whatever the hidden field holds");
  EXPECT_TRUE(outcome.ok);
  EXPECT_TRUE(dir.Exists("WinVort"));
  EXPECT_EQ(state.ProgramDir, program);
  EXPECT_EQ(state.DataDir, program);
  EXPECT_EQ(state.ProgramDirOffered, program);
  EXPECT_EQ(state.DataDirOffered, program);
}

TEST(DirectoryChoice, ServerCreatesOneLevelOnlyAndKeepsTheTextAsTyped) {
  TempDir dir;
  TInstallState state = StateFor(itServer);
  // Existing, with a trailing separator: stored unchanged.
  dir.Write("Date/marker", "");
  const std::string data = In(dir, "Date") + std::string(1, dir.str().back());
  EXPECT_TRUE(StoreDirectories(state, In(dir, "Prog"), data).ok);
  EXPECT_EQ(state.DataDir, data);

  // A database directory inside a new program directory works in one go.
  TInstallState nested = StateFor(itServer);
  const std::string inner = In(dir, "Vort") + dir.str().back() + "Date";
  EXPECT_TRUE(StoreDirectories(nested, In(dir, "Vort"), inner).ok);
  EXPECT_TRUE(dir.Exists("Vort/Date"));

  // Two missing levels: nothing is created, the old database directory stays.
  TInstallState deep = StateFor(itServer);
  const std::string too_deep = In(dir, "a") + dir.str().back() + "b";
  const DirectoryOutcome outcome = StoreDirectories(deep, In(dir, "Prog"), too_deep);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.not_created, std::vector<std::string>{too_deep});
  EXPECT_FALSE(dir.Exists("a"));
  EXPECT_EQ(deep.DataDir, "C:\\WinVort");
  EXPECT_EQ(deep.DataDirOffered, "C:\\WinVort");
  EXPECT_EQ(deep.ProgramDirOffered, In(dir, "Prog")) << "offered again as typed";
}

TEST(DirectoryChoice, ClientNeedsAnExistingDatabase) {
  TempDir dir;
  TInstallState state = StateFor(itClient);
  DirectoryOutcome outcome = StoreDirectories(state, In(dir, "Prog"), In(dir, "Server"));
  EXPECT_FALSE(outcome.ok);
  EXPECT_TRUE(outcome.client_database_missing);
  EXPECT_TRUE(outcome.not_created.empty());
  EXPECT_FALSE(dir.Exists("Server")) << "a client never creates the server's database";
  EXPECT_TRUE(dir.Exists("Prog"));

  dir.Write("Server/x", "");
  outcome = StoreDirectories(state, In(dir, "Prog"), In(dir, "Server"));
  EXPECT_TRUE(outcome.ok);
  EXPECT_EQ(state.DataDir, In(dir, "Server"));

  // An empty field is no directory.
  EXPECT_TRUE(StoreDirectories(state, In(dir, "Prog"), "").client_database_missing);
}

TEST(DirectoryChoice, AProgramDirectoryThatCannotBeMadeIsReported) {
  TempDir dir;
  dir.Write("file", "a file where the directory should go");
  TInstallState state = StateFor(itLocal);
  const DirectoryOutcome outcome = StoreDirectories(state, In(dir, "file"), "");
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.not_created, std::vector<std::string>{In(dir, "file")});
  EXPECT_EQ(dir.Read("file"), "a file where the directory should go");
}

// A program directory that is a link to a folder of a user's: refused, named, and nothing made,
// not even the data directory that was fine.
TEST(DirectoryChoice, AFolderThatIsALinkIsRefusedBeforeAnythingIsMade) {
  TempDir dir;
  dir.Write("elsewhere/notes.txt", "the user's own");
  std::error_code error;
  std::filesystem::create_directory_symlink(dir.path() / "elsewhere", dir.path() / "WinVort",
                                            error);
  if (error || !std::filesystem::is_symlink(dir.path() / "WinVort"))
    GTEST_SKIP() << "no directory links here";
  TInstallState state = StateFor(itServer);
  const DirectoryOutcome outcome =
      StoreDirectories(state, In(dir, "WinVort") + dir.str().back() + "App", In(dir, "Date"));
  EXPECT_FALSE(outcome.ok);
  ASSERT_EQ(outcome.refused.size(), 1u);
  EXPECT_EQ(outcome.refused[0].find("Directorul\r" + In(dir, "WinVort") + "\reste o legatura"), 0u)
      << outcome.refused[0];
  EXPECT_FALSE(dir.Exists("elsewhere/App"));
  EXPECT_FALSE(dir.Exists("Date"));
  EXPECT_EQ(state.ProgramDir, "C:\\WinVort");
}

#ifdef _WIN32
// A dry run makes no directory, so a name the ANSI code page lacks has no short name yet: the run
// itself checks it once the directory is made.
TEST(DirectoryChoice, ADryRunTakesANameTheCodePageLacks) {
  TempDir dir, work;
  ASSERT_TRUE(changes::BeginPlan(work.File("plan.txt"), work.File("scratch")));
  TInstallState state = StateFor(itLocal);
  const std::string program = In(dir,
                                 "V\xC3\xA2nz\xC4\x83ri \xC8\x9A"
                                 "ar\xC4\x83");
  const DirectoryOutcome outcome = StoreDirectories(state, program, "");
  changes::EndRun(false);
  EXPECT_TRUE(outcome.ok);
  EXPECT_TRUE(outcome.no_ansi_form.empty());
  EXPECT_FALSE(os::DirectoryExists(program));
}
#endif
