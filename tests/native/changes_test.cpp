// The journal of a run: what it keeps, how it is undone, and a dry run that changes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

#include "changes/change_text.h"
#include "changes/files.h"
#include "changes/journal.h"
#include "changes/journal_bounds.h"
#include "changes/journal_file.h"
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

// A killed run: its records may run ahead of the machine (the last change recorded and never
// made) or behind it (files in a directory it made, their records lost), and the database tasks
// had changed the data in place.
TEST_F(Journal, AKilledRunIsUndoneWhereItsRecordsRanAheadOrBehind) {
  machine.Write("old.txt", "what the user had");
  machine.Write("config.sys", "FILES=30\r\n");
  std::filesystem::create_directories(machine.File("Data/Sub"));
  machine.Write("Data/VORTEL.DB", "the user's records");
  machine.Write("Data/Sub/FIRMA.DB", "the firm");
  ASSERT_TRUE(changes::MakeDirectory(machine.File("App")));
  ASSERT_TRUE(changes::KeepDataFolder(machine.File("Data")));
  machine.Write("Data/VORTEL.DB", "upgraded in place");
  machine.Write("Data/Sub/FIRMA.DB", "upgraded too");
  machine.Write("Data/UPGRADE.TRC", "added by a task");
  machine.Write("App/LOST.DLL", "its record never reached the disk");
  // The file the kill came in the middle of, beside a file the run replaced, and a user's own.
  const std::string scratch = changes::ScratchPathBeside(machine.File("old.txt"));
  ASSERT_TRUE(changes::IsScratchName(scratch.substr(machine.File("").size())));
  machine.Write(scratch.substr(machine.File("").size()), "half a file");
  machine.Write("~vz12.tmp", "the user's");
  for (const char* name : {"old.txt", "config.sys"}) {
    changes::Change ahead;
    ahead.kind = std::string(name) == "old.txt" ? changes::Kind::kFile : changes::Kind::kTextFile;
    ahead.target = machine.File(name);
    ahead.value = "FILES=255\r\n";
    ahead.previous = std::string();
    ahead.backup = changes::NewBackupPath();
    ahead.size = 3;
    ahead.time = 1;
    ASSERT_TRUE(os::CopyWholeFile(ahead.target, ahead.backup));
    ASSERT_TRUE(changes::Record(ahead));
  }
  const std::vector<changes::Change> journal = changes::LoadJournal(work.File("run.jrn"));

  changes::UndoOptions options;
  options.interrupted = true;
  const changes::UndoReport report = changes::Undo(journal, options);
  EXPECT_TRUE(report.failures.empty()) << report.failures[0];
  EXPECT_EQ(machine.Read("old.txt"), "what the user had");
  EXPECT_EQ(machine.Read("config.sys"), "FILES=30\r\n");
  EXPECT_EQ(machine.Read("Data/VORTEL.DB"), "the user's records");
  EXPECT_EQ(machine.Read("Data/Sub/FIRMA.DB"), "the firm");
  EXPECT_FALSE(machine.Exists("Data/UPGRADE.TRC"));
  EXPECT_FALSE(machine.Exists("App"));
  EXPECT_FALSE(std::filesystem::exists(scratch));
  EXPECT_TRUE(machine.Exists("~vz12.tmp"));

  // The installation's journal keeps no copy of the data.
  for (const changes::Change& c : changes::KeptChanges(journal)) {
    EXPECT_NE(c.kind, changes::Kind::kDataCopy);
    EXPECT_TRUE(c.backup.empty());
  }
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

// What a power cut may take: a record reaches the disk before its change unless what the change
// leaves behind is found from records already there (a file or directory inside a directory
// whose own record is on the disk). Each record is written at once all the same.
TEST_F(Journal, RecordsReachTheDiskBeforeWhatCouldNotBeUndoneOrFoundWithoutThem) {
  std::vector<std::string> flushed;
  const changes::FlushObserver saved =
      changes::SetFlushObserver([&](const std::string& path) { flushed.push_back(path); });
  const auto flushes = [&] { return std::exchange(flushed, {}); };
  const std::vector<std::string> journal{work.File("run.jrn")}, none;
  machine.Write("old.txt", "what the user had");
  machine.Write("CONFIG.SYS", "FILES=30\r\n");
  os::SetAttributes(machine.File("old.txt"), os::kAttrReadOnly);
  const std::string app = machine.File("App");

  ASSERT_TRUE(changes::MakeDirectory(app));
  EXPECT_EQ(flushes(), journal) << "a directory made where others were";
  ASSERT_TRUE(changes::MakeDirectory(app + "\\Sub"));
  EXPECT_EQ(flushes(), none) << "found inside App";
  ASSERT_TRUE(changes::MakeDirectory(app + "\\Sub\\Deep"));
  EXPECT_EQ(flushes(), journal) << "Sub's record reaches the disk before anything goes in Sub";
  ASSERT_TRUE(changes::CommitFile(Scratch(machine, "a"), app + "\\Sub\\Deep\\A.TXT"));
  ASSERT_TRUE(changes::CommitFile(Scratch(machine, "b"), app + "\\B.TXT"));
  EXPECT_EQ(flushes(), none) << "files made in the run's own directories wait";
  EXPECT_EQ(changes::LoadJournal(work.File("run.jrn")).size(), 5u)
      << "a killed run loses no record it wrote";

  ASSERT_TRUE(changes::CommitFile(Scratch(machine, "new"), machine.File("new.txt")));
  EXPECT_EQ(flushes(), journal) << "a file made where others were";
  ASSERT_TRUE(changes::CommitFile(Scratch(machine, "the run's"), machine.File("old.txt")));
  const std::string copy = changes::RunChanges().back().backup;
  EXPECT_EQ(flushes(), (std::vector<std::string>{copy, journal[0]}))
      << "the copy of a replaced file, then its record";
#ifdef _WIN32
  // Windows copies the attributes: the read-only copy was opened for its flush and is read-only.
  EXPECT_EQ(os::GetAttributes(copy).value_or(0) & os::kAttrReadOnly, os::kAttrReadOnly);
#endif
  ASSERT_TRUE(changes::ReplaceTextFile(machine.File("CONFIG.SYS"), "FILES=255\r\n", "FILES"));
  EXPECT_EQ(flushes().size(), 2u) << "CONFIG.SYS's copy and its record";

  changes::Change value;
  value.kind = changes::Kind::kRegistry;
  value.target = "SOFTWARE\\Vortel|Path";
  ASSERT_TRUE(changes::Record(value));
  EXPECT_EQ(flushes(), journal) << "a registry value, set or overwritten";
  changes::Change note;
  note.kind = changes::Kind::kNote;
  ASSERT_TRUE(changes::Record(note));
  ASSERT_TRUE(changes::MakeDirectory(app + "\\Later"));
  EXPECT_EQ(flushes(), none);
  changes::EndRun(false);
  EXPECT_EQ(flushes(), journal) << "what waits reaches the disk at the end";
  changes::SetFlushObserver(saved);
}

TEST(Plan, ListsWhatARunWouldChangeAndChangesNothing) {
  TempDir work, machine;
  machine.Write("CONFIG.SYS", "FILES=30\r\n");
  int flushes = 0;
  const changes::FlushObserver saved =
      changes::SetFlushObserver([&](const std::string&) { ++flushes; });
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
  EXPECT_EQ(flushes, 0) << "a plan is no journal";
  changes::SetFlushObserver(saved);
}

namespace {

changes::Change Line(changes::Kind kind, const std::string& target, const std::string& description,
                     const std::string& handler = {}) {
  changes::Change c;
  c.kind = kind;
  c.target = target;
  c.description = description;
  c.handler = handler;
  return c;
}

// What the installer may name, as the installation's records give it.
changes::JournalBounds ProductBounds(bool trusted, std::vector<std::string> directories) {
  changes::JournalBounds bounds;
  bounds.trusted = trusted;
  directories.push_back("C:\\Program Files\\Borland\\Common Files\\BDE");
  bounds.directories = directories;
  bounds.backups = "C:\\Program Files\\RidOZIZUZ Setup";
  bounds.registry_keys = {"Software\\Borland",
                          "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\RidOZIZUZ"};
  bounds.profile_sections = {"Vortel"};
  bounds.system_files = {"C:\\CONFIG.SYS"};
  bounds.domain = {{"alias", "VORTEL"}, {"group", "RidOZIZUZ"}};
  return bounds;
}

// The journal as a file holds it, read back as the uninstaller reads it.
std::vector<changes::Change> Written(const TempDir& dir,
                                     const std::vector<changes::Change>& lines) {
  std::string text;
  for (const changes::Change& c : lines) text += changes::EncodeChange(c) + "\r\n";
  dir.Write("INSTALL.JRN", text);
  return changes::LoadJournal(dir.File("INSTALL.JRN"));
}

std::vector<std::string> Targets(const std::vector<changes::Change>& lines) {
  std::vector<std::string> targets;
  for (const changes::Change& c : lines) targets.push_back(c.target);
  return targets;
}

}  // namespace

// The lines the installer journals name only what the installation made or was given; a line a
// user added names something else and is refused, named with the reason.
TEST(JournalBounds, ARecordsJournalIsUndoneOnlyWhereTheInstallationMadeOrWasGivenPlaces) {
  using changes::Kind;
  TempDir dir;
  changes::Change config_sys = Line(Kind::kTextFile, "C:\\CONFIG.SYS", "set CONFIG.SYS FILES=255");
  config_sys.previous = "";
  config_sys.backup = "C:\\Program Files\\RidOZIZUZ Setup\\1.BAK";
  changes::Change evil_backup = Line(Kind::kFile, "C:\\Program Files\\Vortel App\\VORTEL.EXE",
                                     "replace file C:\\Program Files\\Vortel App\\VORTEL.EXE");
  evil_backup.previous = "";
  evil_backup.backup = "C:\\Users\\Public\\evil.exe";
  const std::vector<changes::Change> genuine = {
      Line(Kind::kDirectory, "C:\\Program Files\\Vortel App", "create directory"),
      Line(Kind::kNote, "D:\\Date Vortel", "", changes::kPlaceHandler),
      Line(Kind::kFile, "C:\\Program Files\\Vortel App\\VORTEL.EXE", "create file"),
      Line(Kind::kTemporaryFile, "c:\\program files\\vortel app\\EXE.ZIP", ""),
      Line(Kind::kFile, "D:\\Date Vortel\\DATA\\VORTEL.DB", "create file"),
      Line(Kind::kFile, "C:\\Program Files\\Borland\\Common Files\\BDE\\IDAPI32.DLL", "create"),
      config_sys,
      Line(Kind::kRegistryKey, "SOFTWARE\\Borland", ""),
      Line(Kind::kRegistryKey, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", ""),
      Line(Kind::kRegistry, "SOFTWARE\\Borland\\Database Engine|DLLPATH", ""),
      Line(Kind::kRegistry,
           "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\RidOZIZUZ|DisplayName", ""),
      Line(Kind::kProfile, "|Vortel|LastUser", "set WIN.INI [Vortel] LastUser=Master"),
      Line(Kind::kDomain, "VORTEL", "add alias VORTEL", "alias"),
      Line(Kind::kDomain, "RidOZIZUZ", "create program group RidOZIZUZ", "group"),
      Line(Kind::kRun, "", "run C:\\Program Files\\Vortel App\\HHUPD.EXE"),
  };
  const std::vector<changes::Change> added = {
      Line(Kind::kFile, "C:\\sentinel.txt", "create file C:\\sentinel.txt"),
      Line(Kind::kFile, "C:\\Program Files\\Vortel App\\..\\..\\Windows\\win.ini", ""),
      Line(Kind::kFile, "C:\\Program Files\\Vortel Apps\\x.dll", ""),
      evil_backup,
      Line(Kind::kTextFile, "C:\\AUTOEXEC.BAT", ""),
      Line(Kind::kRegistry, "Software\\Microsoft\\Windows\\CurrentVersion\\Run|Evil", ""),
      Line(Kind::kRegistry, "Software\\BorlandX|Evil", ""),
      Line(Kind::kRegistryKey, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", ""),
      Line(Kind::kProfile, "|windows|load", ""),
      Line(Kind::kProfile, "C:\\Windows\\system.ini|Vortel|x", ""),
      Line(Kind::kDomain, "IDAPI", "add alias IDAPI", "alias"),
      Line(Kind::kDomain, "Accessories", "", "group"),
  };
  std::vector<changes::Change> journal = genuine;
  journal.insert(journal.end(), added.begin(), added.end());

  const changes::CheckedJournal checked =
      changes::CheckJournal(Written(dir, journal), ProductBounds(true, {}));
  EXPECT_EQ(Targets(checked.accepted), Targets(genuine));
  ASSERT_EQ(checked.refused.size(), added.size());
  EXPECT_EQ(checked.refused[0], "create file C:\\sentinel.txt (in afara instalarii)");
  EXPECT_EQ(checked.refused[3],
            "replace file C:\\Program Files\\Vortel App\\VORTEL.EXE (copia ei nu este in "
            "C:\\Program Files\\RidOZIZUZ Setup)");
  EXPECT_EQ(checked.refused[5],
            "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run Evil (in afara instalarii)");
}

// An older release kept its journal in the program directory, where users may write: only the
// places found for the installation count, not the directory lines the journal holds, and the
// copies it names are dropped, since no release kept one after its run.
TEST(JournalBounds, AnOlderJournalIsBelievedOnlyInsideThePlacesFoundForIt) {
  using changes::Kind;
  TempDir dir;
  changes::Change upgraded = Line(Kind::kFile, "C:\\WinVort\\VORTEL.EXE", "replace file");
  upgraded.previous = "";
  upgraded.backup = "C:\\Windows\\Temp\\INSTVORT.BAK\\1.BAK";
  const std::vector<changes::Change> journal = {
      Line(Kind::kDirectory, "C:\\WinVort", ""),
      Line(Kind::kDirectory, "C:\\WinVort\\DATA", ""),
      Line(Kind::kDirectory, "C:\\Program Files\\Borland", ""),
      upgraded,
      Line(Kind::kDirectory, "C:\\Windows", ""),
      Line(Kind::kNote, "C:\\Users", "", changes::kPlaceHandler),
      Line(Kind::kFile, "C:\\Windows\\system.ini", ""),
      Line(Kind::kFile, "C:\\Users\\Public\\notes.txt", ""),
  };
  const changes::CheckedJournal checked =
      changes::CheckJournal(Written(dir, journal), ProductBounds(false, {"C:\\WinVort\\"}));
  EXPECT_EQ(
      Targets(checked.accepted),
      (std::vector<std::string>{"C:\\WinVort", "C:\\WinVort\\DATA", "C:\\Program Files\\Borland",
                                "C:\\WinVort\\VORTEL.EXE", "C:\\Users"}));
  EXPECT_EQ(checked.accepted[3].backup, "");
  EXPECT_TRUE(checked.accepted[3].previous);
  EXPECT_EQ(checked.refused.size(), 3u);
}

#ifndef _WIN32
// A user who made the data folder a junction to a folder of theirs: the removal reaches nothing
// through it and removes the link itself; a line outside the installation is left as it is.
// (Wine cannot remove a link itself; the end-to-end removal checks the rest there.)
TEST(JournalBounds, RemovalFollowsNoLinkAndLeavesTheRefusedLines) {
  TempDir machine;
  machine.Write("App/VORTEL.EXE", "the program");
  machine.Write("elsewhere/VORTEL.DB", "the user's own records");
  machine.Write("sentinel.txt", "the user's notes");
  std::error_code error;
  std::filesystem::create_directory_symlink(machine.path() / "elsewhere",
                                            machine.path() / "App" / "DATA", error);
  if (error || !std::filesystem::is_symlink(machine.path() / "App" / "DATA"))
    GTEST_SKIP() << "no directory links here";
  const auto made = [](const std::string& path) {
    changes::Change c;
    c.kind = os::DirectoryExists(path) ? changes::Kind::kDirectory : changes::Kind::kFile;
    c.target = path;
    const os::FileStamp stamp = os::StampOf(path).value_or(os::FileStamp{});
    c.size = stamp.size;
    c.time = stamp.write_time;
    return c;
  };
  const std::string app = machine.File("App");
  const std::vector<changes::Change> journal = {made(app), made(app + "/VORTEL.EXE"),
                                                made(app + "/DATA"), made(app + "/DATA/VORTEL.DB"),
                                                made(machine.File("sentinel.txt"))};
  changes::JournalBounds bounds = ProductBounds(true, {});
  changes::UndoOptions options;
  options.removal = true;
  options.bounds = &bounds;
  const changes::UndoReport report = changes::Undo(journal, options);
  EXPECT_EQ(machine.Read("elsewhere/VORTEL.DB"), "the user's own records");
  EXPECT_EQ(machine.Read("sentinel.txt"), "the user's notes");
  EXPECT_FALSE(machine.Exists("App")) << "the link went, then the emptied directory";
  ASSERT_EQ(report.refused.size(), 2u);
  EXPECT_NE(report.refused[0].find("sentinel.txt"), std::string::npos) << report.refused[0];
  EXPECT_NE(report.refused[1].find("prin legatura " + app + "/DATA"), std::string::npos)
      << report.refused[1];
  EXPECT_TRUE(report.failures.empty());
}
#endif
