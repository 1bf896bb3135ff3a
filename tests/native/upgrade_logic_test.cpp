#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "log/debug_log.h"
#include "os/os.h"
#include "state/install_state.h"
#include "support/temp_dir.h"
#include "upgrade/entry_installation.h"
#include "upgrade/find_app.h"
#include "upgrade/install_location.h"
#include "upgrade/program_search.h"
#include "upgrade/server_question.h"
#include "upgrade/upgrade_tasks.h"

using testing_support::TempDir;
using namespace upgrade;

namespace {

class FakeProbe : public SystemProbe {
 public:
  DriveKind DriveType(const std::string& root) override {
    roots_asked.push_back(root);
    const auto it = drives.find(root);
    return it == drives.end() ? DriveKind::kNoRoot : it->second;
  }
  std::string ReadProfileString(const std::string& section, const std::string& key) override {
    return section == "Vortel" ? profile[key] : std::string();
  }
  std::string RegisteredProgramDirectory() override { return registered; }
  std::string FolderRefusal(const std::string& dir) override {
    return dir.find("$0") == std::string::npos ? std::string() : "a user's folder";
  }
  std::map<std::string, DriveKind> drives;
  std::map<std::string, std::string> profile;
  std::string registered;
  std::vector<std::string> roots_asked;
};

class FakeLibrary : public UpgradeLibraryPort {
 public:
  void GetAliasPath(std::string& alias) override {
    calls.push_back("GetAliasPath " + alias);
    alias = alias_path;
  }
  void DoStructureUpgrade() override { Task("DoStructureUpgrade"); }
  void DoListUpgrade() override { Task("DoListUpgrade"); }
  void DoConstUpgrade() override { Task("DoConstUpgrade"); }
  void SetReportListener(UpgradeReportListener* l) override {
    calls.push_back(l ? "SetReportProc" : "SetReportProc none");
    listener = l;
  }
  void SetQuickVerif(bool on) override {
    calls.push_back(on ? "SetQuickVerif 1" : "SetQuickVerif 0");
  }
  bool GetSemaforOK() override {
    calls.push_back("GetSemaforOK");
    return semaphore.empty() ? true : (semaphore.erase(semaphore.begin()), last_ok);
  }

  std::string alias_path;
  std::vector<std::string> calls;
  std::vector<bool> semaphore;  // answers in order; true when empty
  UpgradeReportListener* listener = nullptr;

 private:
  void Task(const char* name) {
    calls.push_back(name);
    if (listener) listener->OnLibraryReport(std::string(name) + " lucreaza");
    last_ok = semaphore.empty() ? true : semaphore.front();
  }
  bool last_ok = true;
};

std::string BigProgram(size_t size) {
  return std::string(size, 'M');
}

}  // namespace

TEST(InstallLocation, DataRootFromTheAliasDirectory) {
  EXPECT_EQ(DataRootFromAlias("D:\\APP\\DATA\\"), "D:\\APP");
  EXPECT_EQ(DataRootFromAlias("D:\\APP\\data"), "D:\\APP");
  EXPECT_EQ(DataRootFromAlias("D:\\APP\\DB"), "D:\\APP\\DB");
  EXPECT_EQ(DataRootFromAlias("D:\\APP\\OLDDATA"), "D:\\APP\\OLDDATA");
  EXPECT_EQ(DataRootFromAlias("\\\\SRV\\VORT\\DATA"), "\\\\SRV\\VORT");
  EXPECT_EQ(DataRootFromAlias(""), "");
}

TEST(InstallLocation, RootsAndClientsByDriveType) {
  EXPECT_EQ(DriveRootOf("D:\\APP"), "D:\\");
  EXPECT_EQ(DriveRootOf("\\\\SRV\\VORT\\APP\\X"), "\\\\SRV\\VORT\\");
  EXPECT_EQ(DriveRootOf("\\\\SRV\\VORT"), "\\\\SRV\\VORT\\");
  EXPECT_EQ(DriveRootOf("\\\\SRV"), "\\\\SRV\\");

  FakeProbe probe;
  probe.drives = {{"C:\\", DriveKind::kFixed},
                  {"N:\\", DriveKind::kRemote},
                  {"\\\\SRV\\VORT\\", DriveKind::kRemote}};
  EXPECT_FALSE(IsRemoteLocation("C:\\APP", probe));
  EXPECT_TRUE(IsRemoteLocation("N:\\APP", probe));
  EXPECT_TRUE(IsRemoteLocation("\\\\SRV\\VORT\\APP", probe));
  // A share root, and a server that cannot be reached: still another machine.
  EXPECT_TRUE(IsRemoteLocation("\\\\SRV\\VORT", probe));
  EXPECT_TRUE(IsRemoteLocation("\\\\GONE\\SHARE", probe));
  EXPECT_EQ(probe.roots_asked[3], "\\\\SRV\\VORT\\");
}

TEST(ProgramSearch, OnlyALargeMainProgramMarksTheDirectory) {
  TempDir tree;
  tree.Write("exact/VORTEL.EXE", BigProgram(1000000));
  tree.Write("big/VORTEL.EXE", BigProgram(1000001));
  std::filesystem::create_directories(tree.path() / "dir" / "VORTEL.EXE");
  EXPECT_FALSE(IsProgramDirectory(tree.File("exact")));
  EXPECT_TRUE(IsProgramDirectory(tree.File("big")));
  EXPECT_TRUE(IsProgramDirectory(tree.File("big") + "\\"));
  EXPECT_FALSE(IsProgramDirectory(tree.File("dir")));
  EXPECT_FALSE(IsProgramDirectory(tree.File("missing")));
}

TEST(ProgramSearch, TreeSearchSkipsSmallProgramsAndDoesNotFollowLinks) {
  TempDir tree;
  tree.Write("A/VORTEL.EXE", BigProgram(1000000));
  tree.Write("A/B/C/VORTEL.EXE", BigProgram(1000001));
  const std::string root = tree.str();
  EXPECT_EQ(SearchTree(root), root + "A\\B\\C\\");
  EXPECT_EQ(SearchTree(root + "A\\B\\C\\"), root + "A\\B\\C\\");
  EXPECT_FALSE(SearchTree(tree.File("none") + "\\"));

  std::error_code ec;
  std::filesystem::create_directory_symlink(tree.path(), tree.path() / "A" / "loop", ec);
  if (ec) GTEST_SKIP() << "no directory links here";
  std::filesystem::remove_all(tree.path() / "A" / "B");
  EXPECT_FALSE(SearchTree(root));
}

TEST(ProgramSearch, ProfileEntriesBeforeTheDrives) {
  TempDir install;
  install.Write("APP/Vortel.exe", "MZ");
  const std::string app = install.File("APP");
  FakeProbe probe;

  probe.profile["AppPath"] = app + "\\";
  EXPECT_EQ(ProgramDirectoryFromProfile(probe), app + "\\");

  // Without its backslash the program name is joined to the directory's own name.
  probe.profile["AppPath"] = app;
  EXPECT_FALSE(ProgramDirectoryFromProfile(probe));
  probe.profile["DatabasePath"] = app + "\\DATA";
  EXPECT_EQ(ProgramDirectoryFromProfile(probe), app + "\\");
  probe.profile["DatabasePath"] = app + "\\DATA\\";
  EXPECT_EQ(ProgramDirectoryFromProfile(probe), app + "\\");
  probe.profile["DatabasePath"] = "DATA";
  EXPECT_FALSE(ProgramDirectoryFromProfile(probe));

  probe.drives = {{"A:\\", DriveKind::kRemovable},
                  {"C:\\", DriveKind::kFixed},
                  {"E:\\", DriveKind::kCdRom},
                  {"F:\\", DriveKind::kRemote},
                  {"G:\\", DriveKind::kFixed}};
  EXPECT_EQ(FixedDriveRoots(probe), (std::vector<std::string>{"C:\\", "G:\\"}));
}

// Anyone may make a folder with a large VORTEL.EXE: the product's own entry comes first, and
// without a person to confirm, a folder that was found counts only when it is trusted.
TEST(ProgramSearch, TheProductsEntryFirstAndUnattendedOnlyTrustedFolders) {
  TempDir tree;
  tree.Write("$0/VORTEL.EXE", BigProgram(1000001));
  tree.Write("$0/Vortel.exe", BigProgram(1000001));
  tree.Write("App/VORTEL.EXE", BigProgram(1000001));
  FakeProbe probe;
  probe.profile["AppPath"] = tree.File("$0") + "\\";
  probe.registered = tree.File("App");
  EXPECT_EQ(LocateProgramDirectory(probe, true), tree.File("App") + "\\");

  probe.registered = tree.File("gone");
  EXPECT_EQ(LocateProgramDirectory(probe), tree.File("$0") + "\\") << "a person confirms it";
  EXPECT_FALSE(LocateProgramDirectory(probe, true));
  const FolderFilter trusted = [&probe](const std::string& dir) {
    return probe.FolderRefusal(dir).empty();
  };
  EXPECT_EQ(SearchTree(tree.str(), trusted), tree.str() + "App\\");
}

// Another program removed the alias: the product's entry names the installation, and the journal
// of its records folder says where the alias pointed.
TEST(EntryInstallation, TheEntrysTrustedFolderAndTheAliasTheJournalLastGave) {
  TempDir tree;
  tree.Write("App/VORTEL.EXE", BigProgram(1000001));
  tree.Write("$0/VORTEL.EXE", BigProgram(1000001));
  tree.Write("Small/VORTEL.EXE", BigProgram(1000000));
  tree.Write("Data/DATA/VORTEL.DB", "db");
  const auto alias = [](const std::string& name, const std::string& path) {
    changes::Change c;
    c.kind = changes::Kind::kDomain;
    c.handler = "alias";
    c.target = name;
    c.value = path;
    return c;
  };
  changes::Change file;
  file.target = tree.File("Elsewhere");
  std::vector<changes::Change> journal = {alias("VORTEL", tree.File("Old")),
                                          alias("LUNAALIAS", tree.File("Luna")), file,
                                          alias("VORTEL", tree.File("Data/DATA"))};
  FakeProbe probe;
  std::string why;
  EXPECT_FALSE(InstallationFromEntry(probe, journal, why));
  EXPECT_EQ(why, "") << "no entry: nothing to say";

  probe.registered = tree.File("App");
  const auto found = InstallationFromEntry(probe, journal, why);
  ASSERT_TRUE(found) << why;
  EXPECT_EQ(found->program_dir, tree.File("App") + "\\");
  EXPECT_EQ(found->alias_path, tree.File("Data/DATA"));

  for (const char* dir : {"$0", "Small", "gone"}) {
    probe.registered = tree.File(dir);
    EXPECT_FALSE(InstallationFromEntry(probe, journal, why)) << dir;
    EXPECT_NE(why, "") << dir;
  }
  probe.registered = tree.File("App");
  journal.pop_back();
  EXPECT_FALSE(InstallationFromEntry(probe, journal, why)) << "the older data folder is gone";
  journal.erase(journal.begin());
  EXPECT_FALSE(InstallationFromEntry(probe, journal, why)) << "no line for the alias";
  EXPECT_FALSE(InstallationFromEntry(probe, {}, why));
}

class FindAppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    probe.drives = {{"Q:\\", DriveKind::kFixed}, {"N:\\", DriveKind::kRemote}};
    library.alias_path = "Q:\\APP\\DATA\\";
    install.Write("APP/VORTEL.EXE", BigProgram(1000001));
    install.Write("APP/Vortel.exe", BigProgram(1000001));
    install.Write("SMALL/VORTEL.EXE", BigProgram(1000000));
  }
  TempDir install;
  FakeProbe probe;
  FakeLibrary library;
  TInstallState state;
  TFindAppLogic page{state, library, probe};
};

TEST_F(FindAppTest, CreationSettlesTheDataDirectoryAndTheKind) {
  page.FormCreate();
  EXPECT_EQ(library.calls, std::vector<std::string>{"GetAliasPath VORTEL"});
  EXPECT_EQ(state.DataDirOffered, "Q:\\APP");
  EXPECT_EQ(state.InstallType, itLocal);

  library.alias_path = "N:\\VORT\\DATA";
  page.FormCreate();
  EXPECT_EQ(state.InstallType, itClient);
  probe.profile["AppPath"] = install.File("APP") + "\\";
  EXPECT_EQ(page.NextClick(""), 0);
  EXPECT_EQ(page.DataText(), kClientText);
}

TEST_F(FindAppTest, SearchThenAcceptance) {
  page.FormCreate();
  probe.profile["AppPath"] = install.File("APP") + "\\";
  EXPECT_TRUE(page.NextEnabled());
  EXPECT_EQ(page.Title(), kSearchTitle);
  // The first click searches and never closes the page.
  EXPECT_EQ(page.NextClick("whatever"), 0);
  EXPECT_EQ(page.ProgramText(), install.File("APP") + "\\");
  EXPECT_EQ(page.DataText(), "Q:\\APP");
  EXPECT_EQ(page.Title(), kConfirmTitle);
  EXPECT_TRUE(page.NextEnabled());
  EXPECT_EQ(page.NextClick(page.ProgramText()), 1);
  EXPECT_EQ(state.ProgramDir, install.File("APP") + "\\");
  EXPECT_EQ(state.ProgramDirOffered, state.ProgramDir);
  EXPECT_EQ(state.DataDir, "Q:\\APP");
}

TEST_F(FindAppTest, NothingFoundLeavesOnlyTheManualChoice) {
  page.FormCreate();
  EXPECT_EQ(page.NextClick(""), 0);
  EXPECT_EQ(page.ProgramText(), "????");
  EXPECT_EQ(page.StatusText(), kNotFoundText);
  EXPECT_FALSE(page.NextEnabled());
  EXPECT_EQ(page.NextClick("????"), 0);
  EXPECT_EQ(page.DialogPreset("????"), "");

  page.ChooseDirectory(install.File("SMALL"));
  EXPECT_EQ(page.ProgramText(), install.File("SMALL") + "\\");
  EXPECT_EQ(page.StatusText(), kNotInstalledText);
  EXPECT_FALSE(page.NextEnabled());

  page.ChooseDirectory(install.File("APP"));
  EXPECT_EQ(page.StatusText(), "");
  EXPECT_TRUE(page.NextEnabled());
  EXPECT_EQ(page.DialogPreset(page.ProgramText()), install.File("APP") + "\\");
  EXPECT_EQ(page.NextClick(page.ProgramText()), 1);
  EXPECT_EQ(state.ProgramDir, install.File("APP") + "\\");
}

TEST_F(FindAppTest, ATextTypedOverTheFoundDirectoryMustHoldTheProgram) {
  page.FormCreate();
  probe.profile["AppPath"] = install.File("APP") + "\\";
  page.NextClick("");
  EXPECT_EQ(page.NextClick(""), 0);
  EXPECT_EQ(page.StatusText(), kNotInstalledText);
  EXPECT_FALSE(page.NextEnabled());
  EXPECT_EQ(state.ProgramDir, "C:\\WinVort");

  page.ChooseDirectory(install.File("APP"));
  EXPECT_EQ(page.NextClick(install.File("APP")), 1);  // the same directory, typed differently
  EXPECT_EQ(state.ProgramDir, install.File("APP"));
}

namespace {

class FakeQuestion : public QuestionHost {
 public:
  void SetMessageSuffix(const std::string& s) override { events.push_back("suffix " + s); }
  int AskYesNo(const std::string& text, const std::string& caption) override {
    events.push_back("ask " + caption);
    asked_text = text;
    return answer;
  }
  int answer = 7;
  std::string asked_text;
  std::vector<std::string> events;
};

}  // namespace

TEST(ServerQuestion, TextIsTwelveLinesEndedByCarriageReturns) {
  const std::string text = kServerUpgradeText;
  EXPECT_EQ(text.size(), 419u);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 12);
  EXPECT_EQ(text.find('\n'), std::string::npos);
  EXPECT_EQ(text.back(), '\r');
  EXPECT_EQ(text.rfind("Fac UPGRADE la baza de date de pe SERVER?\r"), 419u - 42u);
}

TEST(ServerQuestion, OnlyAClientIsAskedWithoutSuffix) {
  TInstallState state;
  FakeQuestion host;
  for (TInstallType type : {itLocal, itServer}) {
    state.InstallType = type;
    EXPECT_TRUE(ServerUpgradeQuestion(state, host));
  }
  EXPECT_TRUE(host.events.empty());

  state.InstallType = itClient;
  EXPECT_FALSE(ServerUpgradeQuestion(state, host));
  const std::vector<std::string> expected = {"suffix ", "ask UPGRADE baza de date SERVER ?",
                                             "suffix PENTRU CONTINUARE"};
  EXPECT_EQ(host.events, expected);
  EXPECT_EQ(host.asked_text, kServerUpgradeText);
  host.answer = 6;
  EXPECT_TRUE(ServerUpgradeQuestion(state, host));
}

namespace {

class FakeUpgradePage : public UpgradeDataHost {
 public:
  void ShowReportLabel(bool visible) override { events.push_back(visible ? "L1 on" : "L1 off"); }
  void SetReportText(const std::string& text) override { events.push_back("L1 " + text); }
  void SetReportColour(uint32_t colour) override { colours.push_back(colour); }
  void EnableButtons(bool enabled) override { buttons = enabled; }
  void ShowMark(int task, bool visible) override { marks[task] = visible; }
  void MarkFailed(int task) override { failed[task] = true; }
  void SetPanelDone(int task, bool done) override { panels[task] = done; }
  void ProcessMessages() override { ++pumps; }

  std::vector<std::string> events;
  std::vector<uint32_t> colours;
  bool buttons = true;
  std::array<bool, 3> marks{}, failed{}, panels{};
  int pumps = 0;
};

class UpgradeTasksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DebugEnabled = true;
    DebugOpen(log.File("vortinst.log"), "INSTALL");
  }
  void TearDown() override { DebugEnabled = false; }
  TempDir log;
  FakeLibrary library;
  FakeUpgradePage host;
};

}  // namespace

TEST_F(UpgradeTasksTest, AllTasksInOrderEachMarkedByItsSemaphore) {
  TUpgDataLogic page(library, host);
  page.FormCreate();
  library.semaphore = {false, true, true};  // the structures fail; the lists still run
  EXPECT_EQ(page.RunTasks({true, true, true}), 0) << "the page stays to show the failure";
  const std::vector<std::string> expected = {
      "SetReportProc", "DoStructureUpgrade", "GetSemaforOK", "DoListUpgrade",
      "GetSemaforOK",  "DoConstUpgrade",     "GetSemaforOK"};
  EXPECT_EQ(library.calls, expected);
  EXPECT_EQ(host.marks, (std::array<bool, 3>{true, true, true}));
  EXPECT_EQ(host.failed, (std::array<bool, 3>{true, false, false}));
  EXPECT_EQ(host.panels, (std::array<bool, 3>{true, true, true}));
  EXPECT_EQ(page.FailedTasks(), (std::array<bool, 3>{true, false, false}));
  EXPECT_FALSE(host.buttons);
  EXPECT_EQ(host.colours, (std::vector<uint32_t>{kRed, kRed}));
  EXPECT_EQ(host.events.front(), "L1 on");
  EXPECT_EQ(host.events[1], "L1 DoStructureUpgrade lucreaza");
  EXPECT_EQ(host.events.back(), "L1 off");
  EXPECT_EQ(host.pumps, 3);
  EXPECT_NE(log.Read("vortinst.log").find("DoListUpgrade lucreaza"), std::string::npos);
}

TEST_F(UpgradeTasksTest, AClearedTaskIsNeitherRunNorMarked) {
  TUpgDataLogic page(library, host);
  page.FormCreate();
  page.RunTasks({true, false, true});
  EXPECT_EQ(std::count(library.calls.begin(), library.calls.end(), "DoListUpgrade"), 0);
  EXPECT_EQ(host.marks, (std::array<bool, 3>{true, false, true}));
  EXPECT_EQ(host.panels, (std::array<bool, 3>{true, false, true}));

  library.calls.clear();
  TUpgDataLogic none(library, host);
  EXPECT_EQ(none.RunTasks({false, false, false}), 1);
  EXPECT_EQ(library.calls, std::vector<std::string>{"SetReportProc"});
}

TEST_F(UpgradeTasksTest, AltQTogglesQuickVerification) {
  {
    TUpgDataLogic page(library, host);
    EXPECT_FALSE(page.KeyDown(kKeyQ, false));
    EXPECT_FALSE(page.KeyDown('W', true));
    EXPECT_TRUE(library.calls.empty());  // nothing said until the first toggle
    EXPECT_TRUE(page.KeyDown(kKeyQ, true));
    EXPECT_TRUE(page.QuickVerification());
    EXPECT_TRUE(page.KeyDown(kKeyQ, true));
    EXPECT_FALSE(page.QuickVerification());
    EXPECT_EQ(library.calls, (std::vector<std::string>{"SetQuickVerif 1", "SetQuickVerif 0"}));
    EXPECT_EQ(host.colours, (std::vector<uint32_t>{kRed, kBlack}));
    page.RunTasks({false, false, false});
  }
  // A page that is gone no longer receives the library's reports.
  EXPECT_EQ(library.listener, nullptr);
}
