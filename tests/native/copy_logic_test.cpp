#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "bde/engine_version.h"
#include "copy/brask_extraction.h"
#include "copy/free_space.h"
#include "copy/fresh_copy.h"
#include "copy/overwrite_rules.h"
#include "copy/upgrade_copy.h"
#include "log/debug_log.h"
#include "os/os.h"
#include "support/temp_dir.h"

using testing_support::TempDir;
using namespace copy;
using namespace bde;

namespace {

struct Entry {
  std::string name;
  std::string content;
  int32_t fail_code = 0;  // reported instead of writing, and the archive stops there
};

// Stands in for the extraction component: an assembled archive "is" a ZIP when its file exists,
// and holds the entries the test gave it. Reports follow the component's sequence.
class FakeExtraction : public ExtractionPort {
 public:
  void Attach(ExtractionListener* listener, bool confirm) override {
    listener_ = listener;
    confirm_ = confirm;
  }
  void SetFileName(const std::string& name) override { file_ = name; }
  void SetDirectoryName(const std::string& directory) override { directory_ = directory; }
  int32_t TotalSize() override {
    if (!os::FileExists(file_)) return 0;
    int32_t total = 0;
    for (const Entry& e : archives[Key()]) total += static_cast<int32_t>(e.content.size());
    return total;
  }
  int32_t ExtractAll() override {
    extracted.push_back(Key() + " -> " + directory_);
    if (!os::FileExists(file_)) return unzip::kUnzipNotZip;
    int32_t count = 0;
    for (const Entry& e : archives[Key()]) {
      const std::string target = os::WithTrailingBackslash(directory_) + e.name;
      const int32_t size = static_cast<int32_t>(e.content.size());
      Report(-1000, -1000, target);
      if (e.fail_code) {
        Report(e.fail_code, unzip::kStatusEntryFailed, target);
        break;
      }
      if (confirm_ && os::FileExists(target) && !listener_->OnConfirmOverwrite(target)) {
        Report(size, unzip::kStatusBlockWritten, target);
        continue;
      }
      os::File out = os::File::Open(target, os::OpenMode::kCreate);
      if (!out) {
        Report(-2, unzip::kStatusEntryFailed, target);
        break;
      }
      out.Write(e.content.data(), static_cast<uint32_t>(size));
      // Two blocks, as the engine writes large entries.
      Report(size / 2, unzip::kStatusBlockWritten, target);
      Report(size - size / 2, unzip::kStatusBlockWritten, target);
      ++count;
    }
    return count;
  }

  std::map<std::string, std::vector<Entry>> archives;  // by archive name
  std::vector<std::string> extracted;

 private:
  std::string Key() const { return file_.substr(0, file_.find('.')); }
  void Report(int32_t code, int32_t status, const std::string& target) {
    listener_->OnReport(code, status, target);
  }
  ExtractionListener* listener_ = nullptr;
  bool confirm_ = false;
  std::string file_, directory_;
};

class FakePage : public CopyHost {
 public:
  void SetStatus(const std::string& text) override { statuses.push_back(text); }
  void SetGaugeMax(int) override {}
  void SetGaugePosition(int) override {}
  int AskForDisk(int, const std::string&) override { return answer; }
  void SetMessageSuffix(const std::string& s) override { events.push_back("suffix " + s); }
  void ShowError(const std::string& text) override {
    errors.push_back(text);
    events.push_back("error " + text);
  }
  void ShowWarning(const std::string& text) override { events.push_back("warning " + text); }
  void ShowPlainMessage(const std::string& text) override { errors.push_back(text); }
  bool IsRemovableDrive(const std::string&) override { return false; }
  void SetUnzipPosition(int percent) override { gauge.push_back(percent); }
  bool AskRetry(const std::string& text, const std::string&) override {
    errors.push_back(text);
    return false;
  }
  changes::LockedFile OnFileInUse(const std::string&) override {
    return changes::LockedFile::kLeave;
  }

  int answer = 2;
  std::vector<std::string> statuses, errors, events;
  std::vector<int> gauge;
};

class FakeRegistry : public EngineRegistry {
 public:
  bool EngineInstalled() override { return installed; }
  std::optional<std::string> EngineVersion() override { return version; }
  std::optional<std::string> EngineDllPath() override { return dll_path; }
  std::optional<std::string> ProgramFilesDir() override { return program_files; }

  bool installed = false;
  std::optional<std::string> version, dll_path, program_files;
};

class CopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state.InstallType = itLocal;
    state.ProgramDir = state.ProgramDirOffered = program.path().string();
    state.DataDir = data.path().string();
    state.SourceDir = media.path().string();
    registry.program_files = program_files.path().string();
    saved_dir_ = os::CurrentDirectory();
  }
  void TearDown() override { os::ChangeDirectory(saved_dir_); }

  // An assembled archive in the program directory with one entry per name.
  void Assembled(const std::string& archive, std::vector<Entry> entries) {
    program.Write(archive + ".ZIP", "PK");
    unzip.archives[archive] = std::move(entries);
  }
  void AssembleAll() {
    for (const char* name : {"EXE", "ROVANEL", "DBDAT", "DBNEW", "BDE32", "HELP", "TESKARD"}) {
      Assembled(name, {{std::string(name) + ".DAT", std::string(100, 'x')}});
    }
  }
  std::string BdeDir() const {
    return program_files.path().string() + "\\Borland\\Common Files\\BDE";
  }

  TempDir program, data, media, program_files;
  TInstallState state;
  FakePage page;
  FakeExtraction unzip;
  FakeRegistry registry;

 private:
  std::string saved_dir_;
};

}  // namespace

TEST(EngineVersion, IntegerPartDecidesAgainstFour) {
  EXPECT_EQ(ParseEngineVersion(""), 0);
  EXPECT_EQ(ParseEngineVersion("3.5"), 3);
  EXPECT_EQ(ParseEngineVersion("5.01"), 5);
  EXPECT_EQ(ParseEngineVersion("3,5"), 3);
  EXPECT_EQ(ParseEngineVersion("12.0,1"), 12);
  // Without a separator every character counts: "5" is five, not nothing.
  EXPECT_EQ(ParseEngineVersion("5"), 5);
  EXPECT_EQ(ParseEngineVersion(" 4.01"), 4);
  EXPECT_EQ(ParseEngineVersion("v5.0"), 0);
  EXPECT_GT(ParseEngineVersion("99999999999999999999.0"), 4);

  EXPECT_FALSE(IsOldEngineVersion("4.0"));
  EXPECT_FALSE(IsOldEngineVersion("5.01"));
  EXPECT_FALSE(IsOldEngineVersion("4"));
  EXPECT_TRUE(IsOldEngineVersion("3.5"));
  EXPECT_TRUE(IsOldEngineVersion(""));
}

TEST(UnzipGauge, EndsAtHundredOnlyWhenEveryMeasuredByteIsWritten) {
  UnzipProgress p;
  EXPECT_EQ(p.Position(), 0);  // nothing measured: no division by zero
  p.AddMeasured(800);
  p.AddMeasured(0);
  p.AddMeasured(-12);  // an archive that could not be measured
  p.AddWritten(100);
  EXPECT_EQ(p.Position(), 12);  // 12.5 rounds to even
  p.AddWritten(200);
  EXPECT_EQ(p.Position(), 38);  // 37.5 rounds to even
  p.AddWritten(499);
  EXPECT_EQ(p.Position(), 99);  // 99.875 is not done yet
  p.AddWritten(1);
  EXPECT_EQ(p.Position(), 100);
  p.Reset();
  p.AddMeasured(3);
  p.AddWritten(1);
  p.AddWritten(1);
  EXPECT_EQ(p.Position(), 67);
  p.AddWritten(1);
  EXPECT_EQ(p.Position(), 100);
  p.AddWritten(5);
  EXPECT_EQ(p.Position(), 100);
}

TEST_F(CopyTest, InstalledEngineIsLeftAloneAndOnlyAnOldOneWarns) {
  registry.installed = true;
  bool old_engine = false;
  for (const char* version : {"4.0", "5.01"}) {
    registry.version = version;
    const EngineDirectoryChoice choice = ChooseEngineDirectory(registry, old_engine);
    EXPECT_FALSE(choice.directory) << version;
    EXPECT_FALSE(choice.warn_old_engine) << version;
  }
  registry.version.reset();
  EXPECT_FALSE(ChooseEngineDirectory(registry, old_engine).directory);
  EXPECT_FALSE(old_engine);

  // The copy shows the warning under its own suffix and leaves the engine archive out.
  registry.version = "3.5";
  Assembled("BDE32", {{"IDAPI32.DLL", "x"}});
  FreshCopy copy(state, page, unzip, registry, nullptr);
  ASSERT_TRUE(copy.ExtractArchives());
  EXPECT_TRUE(state.OldEngineFound);
  const std::vector<std::string> expected = {
      "suffix Protectia aplicatiilor existente",
      std::string("warning ") + kOldEngineWarning,
      "suffix PENTRU CONTINUARE",
  };
  EXPECT_EQ(page.events, expected);
  for (const std::string& line : unzip.extracted)
    EXPECT_EQ(line.rfind("BDE32", 0), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(program_files.path() / "Borland"));
}

TEST_F(CopyTest, WithoutAnEngineTheBorlandDirectoriesAreMade) {
  program_files.Write("Borland/keep.txt", "x");  // an existing level is kept
  bool old_engine = false;
  EXPECT_EQ(ChooseEngineDirectory(registry, old_engine).directory, BdeDir());
  EXPECT_TRUE(os::DirectoryExists(BdeDir()));
  EXPECT_TRUE(program_files.Exists("Borland/keep.txt"));

  // After an old engine was seen, a later visit follows the engine's own path list.
  old_engine = true;
  registry.dll_path = "D:\\BDE;C:\\OTHER";
  EXPECT_EQ(ChooseEngineDirectory(registry, old_engine).directory, "D:\\BDE");
  registry.dll_path.reset();
  EXPECT_EQ(ChooseEngineDirectory(registry, old_engine).directory, BdeDir());
}

TEST_F(CopyTest, AnEngineDirectoryThatCannotBeMadeIsReportedNotGuessed) {
  bool old_engine = false;
  registry.program_files.reset();
  EngineDirectoryChoice choice = ChooseEngineDirectory(registry, old_engine);
  EXPECT_FALSE(choice.directory);
  EXPECT_FALSE(choice.error.empty());

  program_files.Write("Borland", "a file in the way");
  registry.program_files = program_files.path().string();
  choice = ChooseEngineDirectory(registry, old_engine);
  EXPECT_FALSE(choice.directory);
  EXPECT_NE(choice.error.find("Borland"), std::string::npos) << choice.error;
}

TEST_F(CopyTest, LocalInstallationPutsEachArchiveInItsDirectoryAndFillsTheGauge) {
  AssembleAll();
  FreshCopy copy(state, page, unzip, registry, nullptr);
  ASSERT_TRUE(copy.ExtractArchives());
  const std::string p = program.path().string(), d = data.path().string();
  const std::vector<std::string> expected = {
      "EXE -> " + p,          "ROVANEL -> " + p, "DBDAT -> " + d,   "DBNEW -> " + d,
      "BDE32 -> " + BdeDir(), "HELP -> " + p,    "TESKARD -> " + p,
  };
  EXPECT_EQ(unzip.extracted, expected);
  EXPECT_TRUE(os::FileExists(BdeDir() + "\\BDE32.DAT"));
  EXPECT_TRUE(data.Exists("DBNEW.DAT"));
  ASSERT_FALSE(page.gauge.empty());
  EXPECT_EQ(page.gauge.back(), 100);
  EXPECT_EQ(std::count(page.gauge.begin(), page.gauge.end(), 100), 1);
  EXPECT_EQ(page.statuses.front(), "Fisiere executabile");
  // Every ZIP goes, also one that came out of an archive.
  EXPECT_FALSE(program.Exists("EXE.ZIP"));
  EXPECT_TRUE(page.errors.empty());
}

TEST_F(CopyTest, ClientGetsNothingInTheDataDirectory) {
  state.InstallType = itClient;
  AssembleAll();
  FreshCopy copy(state, page, unzip, registry, nullptr);
  ASSERT_TRUE(copy.ExtractArchives());
  EXPECT_TRUE(std::filesystem::is_empty(data.path()));
  EXPECT_EQ(unzip.extracted.size(), 5u);
  EXPECT_EQ(page.gauge.back(), 100);
}

TEST_F(CopyTest, SkippedEngineLeavesTheGaugeShortAndMissingArchivesPassQuietly) {
  registry.installed = true;
  registry.version = "5.01";
  AssembleAll();
  std::filesystem::remove(program.path() / "ROVANEL.ZIP");
  std::filesystem::remove(program.path() / "TESKARD.ZIP");
  FreshCopy copy(state, page, unzip, registry, nullptr);
  ASSERT_TRUE(copy.ExtractArchives());
  EXPECT_EQ(page.gauge.back(), 80);  // 400 of 500 measured bytes
  EXPECT_TRUE(page.errors.empty());
  EXPECT_EQ(copy.FailedArchives(), 0);
}

TEST_F(CopyTest, ADamagedArchiveIsReportedAndTheNextOneStillExtracted) {
  AssembleAll();
  unzip.archives["EXE"] = {{"VORTEL.EXE", "abc", -1}};
  FreshCopy copy(state, page, unzip, registry, nullptr);
  ASSERT_TRUE(copy.ExtractArchives());
  ASSERT_EQ(page.errors.size(), 1u);
  EXPECT_NE(page.errors[0].find("EXE.ZIP"), std::string::npos);
  EXPECT_NE(page.errors[0].find("CRC"), std::string::npos);
  EXPECT_EQ(copy.FailedArchives(), 1);
  EXPECT_EQ(state.Failures, page.errors) << "the run remembers what failed";
  EXPECT_TRUE(program.Exists("HELP.DAT"));
  EXPECT_LT(page.gauge.back(), 100);
}

TEST_F(CopyTest, AnAssemblyDirectoryThatCannotBeEnteredExtractsNothing) {
  AssembleAll();
  state.ProgramDirOffered = program.File("missing");
  FreshCopy copy(state, page, unzip, registry, nullptr);
  EXPECT_FALSE(copy.ExtractArchives());
  for (const std::string& line : unzip.extracted)
    EXPECT_EQ(line.rfind("BDE32", 0), std::string::npos);
  EXPECT_EQ(page.errors.size(), 1u);
}

TEST_F(CopyTest, RunEndsByTheAssemblysOutcome) {
  // No disk marker: the prompt is cancelled and nothing is extracted.
  FreshCopy cancelled(state, page, unzip, registry, nullptr);
  EXPECT_EQ(cancelled.Run(), kCopyAbandoned);
  for (const std::string& line : unzip.extracted)
    EXPECT_EQ(line.rfind("BDE32", 0), std::string::npos);

  media.Write("DISK1", "");
  media.Write("EXE.1", "PK");
  unzip.archives["EXE"] = {{"VORTEL.EXE", "MZ"}};
  FreshCopy done(state, page, unzip, registry, nullptr);
  EXPECT_EQ(done.Run(), kCopyDone);
  EXPECT_EQ(program.Read("VORTEL.EXE"), "MZ");
  EXPECT_FALSE(program.Exists("EXE.ZIP"));

  // An archive that cannot be written: nothing half-assembled is extracted; the page returns.
  unzip.extracted.clear();
  state.ProgramDirOffered = program.File("missing");
  FreshCopy failed(state, page, unzip, registry, nullptr);
  EXPECT_EQ(failed.Run(), kCopyRetry);
  for (const std::string& line : unzip.extracted)
    EXPECT_EQ(line.rfind("BDE32", 0), std::string::npos);
}

class UpgradeTest : public CopyTest {
 protected:
  void SetUp() override {
    CopyTest::SetUp();
    DebugEnabled = true;
    DebugOpen(log.File("vortinst.log"), "INSTALL");
  }
  void TearDown() override {
    DebugEnabled = false;
    CopyTest::TearDown();
  }
  std::vector<std::string> Notes() const {
    std::vector<std::string> notes;
    const std::string text = log.Read("vortinst.log");
    for (const char* marker : {"Confirmare pentru: ", "Confirmat", "NU!!!"}) {
      for (size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + 1)) {
        notes.push_back(
            text.substr(at, text.find_first_of(" \r", at + std::string(marker).size()) - at));
      }
    }
    return notes;
  }
  TempDir log;
};

TEST(OverwriteRules, RelativeNameIsTheSameWithOrWithoutTrailingBackslash) {
  EXPECT_EQ(RelativeTarget("C:\\APP\\idapi32.dll", "C:\\APP\\"), "IDAPI32.DLL");
  EXPECT_EQ(RelativeTarget("C:\\APP\\idapi32.dll", "C:\\APP"), "IDAPI32.DLL");
  EXPECT_EQ(RelativeTarget("C:\\APP\\DATA\\New\\Data\\X.DB", "C:\\APP\\DATA"), "NEW\\DATA\\X.DB");
  EXPECT_EQ(RelativeTarget("C:\\A", "C:\\APP\\"), "");
  EXPECT_EQ(RelativeTarget("C:\\APP\\" + std::string(300, 'a'), "C:\\APP").size(), 255u);

  EXPECT_FALSE(MayOverwrite("IDAPI32.DLL", true));
  EXPECT_TRUE(MayOverwrite("VORTEL.EXE", true));
  EXPECT_TRUE(MayOverwrite("NEW\\DATA\\X.DB", false));
  EXPECT_FALSE(MayOverwrite("FIRMA.DB", false));
  // A data file whose name merely begins with NEW is the user's.
  EXPECT_FALSE(MayOverwrite("NEWCLIENT.DB", false));
  EXPECT_FALSE(MayOverwrite("DATA\\NEW\\X.DB", false));
}

TEST_F(UpgradeTest, ProgramFilesAreReplacedButTheEnginesLibrariesStay) {
  for (const std::string& dir : {program.str(), program.path().string()}) {
    state.ProgramDir = dir;
    program.Write("IDAPI32.DLL", "old engine");
    program.Write("VORTEL.EXE", "old");
    Assembled("EXE", {{"VORTEL.EXE", "new"}, {"IDAPI32.DLL", "new engine"}, {"MELDORA.EXE", "m"}});
    UpgradeCopy copy(state, page, unzip, nullptr);
    ASSERT_TRUE(copy.ExtractArchives());
    EXPECT_EQ(program.Read("VORTEL.EXE"), "new") << dir;
    EXPECT_EQ(program.Read("IDAPI32.DLL"), "old engine") << dir;
    EXPECT_EQ(program.Read("MELDORA.EXE"), "m") << dir;
    std::filesystem::remove(program.path() / "MELDORA.EXE");
  }
  const std::vector<std::string> notes = Notes();
  EXPECT_EQ(std::count(notes.begin(), notes.end(), "Confirmare pentru: IDAPI32.DLL"), 2);
  EXPECT_EQ(std::count(notes.begin(), notes.end(), "Confirmare pentru: VORTEL.EXE"), 2);
  EXPECT_EQ(std::count(notes.begin(), notes.end(), "NU!!!"), 2);
  EXPECT_EQ(std::count(notes.begin(), notes.end(), "Confirmat"), 2);
  // A new file is created without asking.
  EXPECT_EQ(std::count(notes.begin(), notes.end(), "Confirmare pentru: MELDORA.EXE"), 0);
  // A declined file still counts towards the gauge.
  EXPECT_EQ(page.gauge.back(), 100);
}

TEST_F(UpgradeTest, DataStaysAndOnlyTheReferenceDataUnderNewIsRenewed) {
  for (const std::string& dir : {data.str(), data.path().string()}) {
    state.DataDir = dir;
    data.Write("FIRMA.DB", "mine");
    data.Write("NEW/X.DB", "old reference");
    data.Write("NEWCLIENT.DB", "mine too");
    std::filesystem::remove(data.path() / "FRESH.DB");
    Assembled("DBDAT",
              {{"FIRMA.DB", "shipped"}, {"NEWCLIENT.DB", "shipped"}, {"FRESH.DB", "created"}});
    Assembled("DBNEW", {{"NEW\\X.DB", "new reference"}});
    UpgradeCopy copy(state, page, unzip, nullptr);
    ASSERT_TRUE(copy.ExtractArchives());
    EXPECT_EQ(data.Read("FIRMA.DB"), "mine") << dir;
    EXPECT_EQ(data.Read("NEWCLIENT.DB"), "mine too") << dir;
    EXPECT_EQ(data.Read("NEW/X.DB"), "new reference") << dir;
    EXPECT_EQ(data.Read("FRESH.DB"), "created") << dir;
  }
}

TEST_F(UpgradeTest, ClientUpgradeTakesOnlyProgramArchivesAndNeverTheEngine) {
  state.InstallType = itClient;
  AssembleAll();
  UpgradeCopy client(state, page, unzip, nullptr);
  ASSERT_TRUE(client.ExtractArchives());
  EXPECT_EQ(unzip.extracted.size(), 4u);
  EXPECT_TRUE(std::filesystem::is_empty(data.path()));

  state.InstallType = itLocal;
  AssembleAll();
  unzip.extracted.clear();
  UpgradeCopy local(state, page, unzip, nullptr);
  ASSERT_TRUE(local.ExtractArchives());
  EXPECT_EQ(unzip.extracted.size(), 6u);
  EXPECT_FALSE(std::filesystem::exists(program_files.path() / "Borland"));
}

namespace {

// The component's shape, driving its plain callbacks as the engine does.
struct Report {
  char name[260];
  int32_t status;
};
using ReportFn = void (*)(int32_t, Report*);
using ConfirmFn = bool (*)(Report*);

struct ComponentDouble {
  void SetFileName(const std::string& s) { file = s; }
  void SetDirectoryName(const std::string& s) { dir = s; }
  void SetReportCallback(ReportFn f) { report = f; }
  void SetConfirmCallback(ConfirmFn f) { confirm = f; }
  int32_t TotalSize() { return 10; }
  int32_t ExtractAll() {
    Report r{"C:\\APP\\X.DAT", unzip::kStatusBlockWritten};
    report(10, &r);
    return confirm && !confirm(&r) ? 0 : 1;
  }
  std::string file, dir;
  ReportFn report = nullptr;
  ConfirmFn confirm = nullptr;
};

struct Recorder : ExtractionListener {
  void OnReport(int32_t code, int32_t status, const std::string& target) override {
    seen.push_back(std::to_string(code) + " " + std::to_string(status) + " " + target);
  }
  bool OnConfirmOverwrite(const std::string& target) override {
    seen.push_back("confirm " + target);
    return false;
  }
  std::vector<std::string> seen;
};

}  // namespace

TEST(BraskExtraction, CallbacksReachTheListenerOfTheExtractionInProgress) {
  Recorder recorder;
  BraskExtraction<ComponentDouble> port;
  port.Attach(&recorder, false);
  EXPECT_EQ(port.Component().confirm, nullptr);  // a fresh copy never asks
  EXPECT_EQ(port.ExtractAll(), 1);
  port.Attach(&recorder, true);
  EXPECT_EQ(port.ExtractAll(), 0);
  const std::vector<std::string> expected = {"10 -1001 C:\\APP\\X.DAT", "10 -1001 C:\\APP\\X.DAT",
                                             "confirm C:\\APP\\X.DAT"};
  EXPECT_EQ(recorder.seen, expected);
  // Outside an extraction a stray report goes nowhere.
  Report r{"x", 0};
  port.Component().report(1, &r);
  EXPECT_EQ(recorder.seen.size(), 3u);
}

// Each drive is charged what lands on it: the archives unpacked into its directories with a
// cluster more per file, and the assembled archives where they are joined.
TEST(FreeSpace, EachDriveCarriesWhatLandsOnIt) {
  TInstallState state;
  state.InstallType = itServer;
  state.ProgramDir = state.ProgramDirOffered = "c:\\WinVort";
  state.DataDir = "\\\\server\\share\\DATE";
  MediaManifest media;
  media.archives["EXE"] = {100000, 5};
  media.archives["DBDAT"] = {50000, 3};
  media.archives["BDE32"] = {30000, 2};
  media.pieces["EXE.1"] = {1, 40000, 0};
  media.pieces["EXE.2"] = {2, 20000, 0};
  media.pieces["DBDAT.1"] = {2, 10000, 0};
  media.pieces["BDE32.1"] = {2, 9000, 0};
  std::map<std::string, os::DriveSpace> drives = {{"C:\\", {1 << 30, 4096}},
                                                  {"\\\\SERVER\\SHARE\\", {1 << 30, 512}},
                                                  {"E:\\", {1 << 30, 4096}}};
  const SpaceProbe probe = [&](const std::string& root) -> std::optional<os::DriveSpace> {
    const auto it = drives.find(root);
    if (it == drives.end()) return std::nullopt;
    return it->second;
  };
  EXPECT_FALSE(FindSpaceShortage(state, kFreshSelection, media, "e:\\Borland", probe));

  // C: takes EXE unpacked and all three assembled archives; the margin is a cluster for each file
  // and for each archive of the catalogue.
  const uint64_t c_needed = 100000 + 40000 + 20000 + 10000 + 9000 + (5 + 7) * 4096;
  drives["C:\\"].free = c_needed - 1;
  const std::optional<SpaceShortage> short_c =
      FindSpaceShortage(state, kFreshSelection, media, "e:\\Borland", probe);
  ASSERT_TRUE(short_c);
  EXPECT_EQ(short_c->drive, "C:\\");
  EXPECT_EQ(short_c->needed, c_needed);
  EXPECT_EQ(SpaceShortageText(*short_c),
            "Nu este destul spatiu pe discul C:\\\rNecesar: 223 KB\rLiber: 222 KB\r"
            "Faceti loc pe disc si apasati Retry.");
  drives["C:\\"].free = c_needed;
  drives["\\\\SERVER\\SHARE\\"].free = 50000 + 3 * 512 + 7 * 512 - 1;
  EXPECT_EQ(FindSpaceShortage(state, kFreshSelection, media, "e:\\Borland", probe)->drive,
            "\\\\SERVER\\SHARE\\");
  // A drive that cannot be asked, and no engine directory, hold nothing back.
  drives.erase("\\\\SERVER\\SHARE\\");
  drives["E:\\"].free = 0;
  EXPECT_FALSE(FindSpaceShortage(state, kFreshSelection, media, std::nullopt, probe));
  EXPECT_TRUE(FindSpaceShortage(state, kFreshSelection, media, "e:\\Borland", probe));

  EXPECT_EQ(os::DriveRoot("d:"), "D:\\");
  EXPECT_EQ(os::DriveRoot("\\\\srv\\Share"), "\\\\SRV\\SHARE\\");
  EXPECT_EQ(os::DriveRoot("\\\\srv"), "");
  EXPECT_EQ(os::DriveRoot("WinVort"), "");
}
