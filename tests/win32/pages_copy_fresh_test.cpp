// The fresh installation's copy page on real windows, with media that mkmedia built: disks
// changed in the floppy drive A: as the prompts ask, a fixed folder, the installation types and
// the engine's place in the registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

#include "bde/engine_directory.h"
#include "bde/engine_registry_win32.h"
#include "pages_copy_support.h"
#include "support/temp_dir.h"
#include "ui/message/mesaj_dlg.h"
#include "wizard/fresh/fresh_copy_page.h"

using namespace copy_test;
using testing_support::TempDir;

namespace {

// The page with a look at its buttons and its decompression gauge at every report.
class TWatchedCopy : public TCopy {
 public:
  using TCopy::TCopy;
  void SetUnzipPosition(int percent) override {
    TCopy::SetUnzipPosition(percent);
    positions.push_back(UnzipProgress->Progress());
    if (BBack->Enabled() || BNext->Enabled() || BCancel->Enabled()) buttons_enabled = true;
  }
  std::vector<int> positions;
  bool buttons_enabled = false;
};

class FreshCopyPage : public ::testing::Test {
 protected:
  void SetUp() override {
    MessageSuffix.clear();
    state.InstallType = itServer;
    state.ProgramDir = state.ProgramDirOffered = Dir("prog");
    state.DataDir = state.DataDirOffered = Dir("data");
    registry_.SetText(bde::kWindowsKey, "ProgramFilesDir", Dir("pf"));
  }

  std::string Dir(const std::string& name) {
    fs::create_directories(scratch_.path() / name);
    return (scratch_.path() / name).string();
  }
  fs::path Program() const { return state.ProgramDir; }
  fs::path Data() const { return state.DataDir; }
  fs::path EngineDir() const { return scratch_.path() / "pf" / "Borland" / "Common Files" / "BDE"; }

  TCopy* NewPage() { return CreateForm<TCopy>(&Application, state, system_registry_); }

  // The fixed-folder media, with or without the marker of disk 1.
  std::string FixedMedia(bool with_marker) {
    const fs::path media = scratch_.path() / "media";
    fs::copy(WorkDir("media/cd"), media);
    if (!with_marker) fs::remove(media / "DISK1");
    return media.string() + "\\";
  }

  ToolkitScope toolkit_;
  TempDir scratch_;
  TInstallState state;
  ScratchRegistry registry_;
  bde::SystemEngineRegistry system_registry_{registry_.get()};
};

TEST_F(FreshCopyPage, ThreeFloppiesAskedInTurnUntilTheRightDiskIsIn) {
  // The program archive begins on disk 1 and ends on disk 2.
  ASSERT_TRUE(fs::exists(WorkDir("media/floppy/disk1/EXE.1")));
  ASSERT_TRUE(fs::exists(WorkDir("media/floppy/disk2/EXE.2")));
  InsertDisk(1);
  state.SourceDir = "A:\\";
  state.DiskCount = 3;
  std::vector<int> prompts;
  int copy_max = 0, copy_position = 0;
  std::vector<int> positions;
  bool buttons_enabled = true;
  auto* page = CreateForm<TWatchedCopy>(&Application, state, system_registry_);
  const Outcome outcome = RunPage(
      page, "&Continua",
      [&](const std::string& text) {
        const int disk = PromptedDisk(text);
        prompts.push_back(disk);
        // The first prompt for disk 2 is answered with disk 1 still in the drive.
        if (disk > 0 && !(disk == 2 && prompts.size() == 1)) InsertDisk(disk);
        // The page as it stands between disks, for the documentation.
        if (disk == 3) SavePageShot(*page, "copy-page");
        return mrOk;
      },
      [&](TCopyPage& p) {
        copy_max = p.CopyProgress->MaxValue();
        copy_position = p.CopyProgress->Progress();
        positions = page->positions;
        buttons_enabled = page->buttons_enabled;
      });

  EXPECT_EQ(outcome.result, mrOk);
  EXPECT_EQ(prompts, (std::vector<int>{2, 2, 3}));
  EXPECT_FALSE(buttons_enabled);
  for (const std::string& message : outcome.messages)
    EXPECT_NE(message.find("PENTRU CONTINUARE"), std::string::npos) << message;
  EXPECT_EQ(GetDriveTypeA("A:\\"), static_cast<UINT>(DRIVE_REMOVABLE));
  EXPECT_EQ(state.DiskCount, 3);
  EXPECT_EQ(state.SourceDir, "A:");

  for (const char* folder : {"EXE", "ROVANEL", "HELP", "TESKARD"}) ExpectCopied(folder, Program());
  for (const char* folder : {"DBDAT", "DBNEW"}) ExpectCopied(folder, Data());
  ExpectCopied("BDE32", EngineDir());
  // Also the ZIP file that came out of the program archive is gone.
  EXPECT_EQ(ZipFilesIn(Program()), 0);
  EXPECT_EQ(copy_max, 3);
  EXPECT_EQ(copy_position, 3);
  // The gauge only grows, and is full only with the last block written.
  ASSERT_GT(positions.size(), 2u);
  EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
  EXPECT_EQ(positions.back(), 100);
  EXPECT_NE(std::find(positions.begin(), positions.end(), 100), positions.begin());
}

TEST_F(FreshCopyPage, CancelAtTheThirdDiskKeepsTheArchivesOfTheFirstTwo) {
  InsertDisk(1);
  state.SourceDir = "A:\\";
  state.DiskCount = 3;
  const Outcome outcome = RunPage(NewPage(), "&Continua", [](const std::string& text) {
    const int disk = PromptedDisk(text);
    if (disk == 3) return mrCancel;
    InsertDisk(disk);
    return mrOk;
  });

  EXPECT_EQ(outcome.result, mrCancel);
  EXPECT_EQ(outcome.messages.size(), 2u);
  // Each archive holds the pieces of disks 1 and 2, in order; nothing was extracted.
  std::map<std::string, std::string> expected;
  for (int disk = 1; disk <= 2; ++disk) {
    std::vector<fs::path> pieces;
    for (const auto& e :
         fs::directory_iterator(WorkDir("media/floppy/disk" + std::to_string(disk))))
      if (e.path().stem() != "UPGRADE" && std::isdigit(e.path().extension().string().back()))
        pieces.push_back(e.path());
    std::sort(pieces.begin(), pieces.end());
    for (const fs::path& piece : pieces) expected[piece.stem().string()] += ReadAll(piece);
  }
  ASSERT_FALSE(expected.empty());
  for (const auto& [name, content] : expected)
    EXPECT_TRUE(ReadAll(Program() / (name + ".ZIP")) == content) << name;
  EXPECT_EQ(ZipFilesIn(Program()), static_cast<int>(expected.size()));
  EXPECT_FALSE(fs::exists(Program() / "VORTEL.EXE"));
  EXPECT_FALSE(HoldsFiles(Data()));
}

TEST_F(FreshCopyPage, AFixedFolderIsOneDiskThatStillNeedsItsMarkerAndAClientGetsNoData) {
  // A client of a machine whose engine is current: no data, no engine files, no warning.
  state.InstallType = itClient;
  state.SourceDir = FixedMedia(false);
  state.DiskCount = 3;
  registry_.SetText(bde::kEngineInitKey, "VERSION", "4.0");
  const std::string marker = state.SourceDir + "DISK1";
  int unzip_position = -1;
  const Outcome outcome = RunPage(
      NewPage(), "&Continua",
      [&](const std::string& text) {
        if (PromptedDisk(text) == 1) std::ofstream(marker).put('1');
        return mrOk;
      },
      [&](TCopyPage& p) { unzip_position = p.UnzipProgress->Progress(); });

  EXPECT_EQ(outcome.result, mrOk);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_EQ(PromptedDisk(outcome.messages[0]), 1);
  EXPECT_EQ(state.DiskCount, 1);
  for (const char* folder : {"EXE", "ROVANEL", "HELP", "TESKARD"}) ExpectCopied(folder, Program());
  EXPECT_FALSE(HoldsFiles(Data()));
  EXPECT_FALSE(fs::exists(scratch_.path() / "pf" / "Borland"));
  // The engine archive was measured but not extracted.
  EXPECT_GT(unzip_position, 0);
  EXPECT_LT(unzip_position, 100);
  EXPECT_EQ(ZipFilesIn(Program()), 0);
}

TEST_F(FreshCopyPage, AnArchiveThatCannotBeRemovedIsNamedAndTheCopyStillEnds) {
  state.SourceDir = FixedMedia(true);
  const std::string kept = state.ProgramDir + "\\KEPT.ZIP";
  std::ofstream(kept) << "in use";
  const HANDLE held =
      CreateFileA(kept.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const Outcome outcome = RunPage(NewPage(), "&Continua", [](const std::string&) { return mrOk; });
  CloseHandle(held);

  EXPECT_EQ(outcome.result, mrOk);
  ASSERT_EQ(outcome.messages.size(), 1u);
  // The plain system box: the message dialog's suffix is not added.
  EXPECT_EQ(outcome.messages[0], "Nu pot sterge " + kept);
  ExpectCopied("EXE", Program());
  EXPECT_EQ(ZipFilesIn(Program()), 1);
}

TEST_F(FreshCopyPage, DamagedMediaAreNamedAndNothingHalfAssembledIsKept) {
  state.SourceDir = FixedMedia(true);
  // A piece that another program holds cannot be read: the page asks to be shown again.
  const std::string piece = state.SourceDir + "HELP.1";
  HANDLE held = CreateFileA(piece.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Outcome outcome = RunPage(NewPage(), "&Continua", [](const std::string&) { return mrOk; });
  CloseHandle(held);
  EXPECT_EQ(outcome.result, copy::kCopyRetry);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_NE(outcome.messages[0].find(piece), std::string::npos) << outcome.messages[0];
  EXPECT_EQ(ZipFilesIn(Program()), 0);
  EXPECT_FALSE(fs::exists(Program() / "VORTEL.EXE"));

  // A damaged archive is named; asked whether to undo it all and told No, the page goes on and
  // the others are still extracted.
  {
    std::fstream help(piece, std::ios::in | std::ios::out | std::ios::binary);
    help.seekp(200);
    help.write("damaged!", 8);
  }
  outcome = RunPage(NewPage(), "&Continua", [](const std::string&) { return mrOk; });
  EXPECT_EQ(outcome.result, mrOk);
  ASSERT_EQ(outcome.messages.size(), 2u);
  EXPECT_NE(outcome.messages[0].find("HELP.ZIP"), std::string::npos) << outcome.messages[0];
  EXPECT_NE(outcome.messages[1].find("Anulez instalarea"), std::string::npos)
      << outcome.messages[1];
  EXPECT_EQ(outcome.messages[1].back(), '?') << "the disk prompts' suffix is no part of it";
  for (const char* folder : {"EXE", "ROVANEL", "TESKARD"}) ExpectCopied(folder, Program());
  EXPECT_EQ(ZipFilesIn(Program()), 0);
}

struct EngineCase {
  const char* version;  // nullptr: the key holds no VERSION
  bool warns;
};

class InstalledEngine : public FreshCopyPage, public ::testing::WithParamInterface<EngineCase> {};

TEST_P(InstalledEngine, IsLeftAloneAndOnlyAnOldOneWarns) {
  state.SourceDir = FixedMedia(true);
  if (GetParam().version) {
    registry_.SetText(bde::kEngineInitKey, "VERSION", GetParam().version);
  } else {
    registry_.SetText(bde::kEngineInitKey, nullptr, "");
  }
  int unzip_position = -1;
  const Outcome outcome = RunPage(
      NewPage(), "&Continua", [](const std::string&) { return mrOk; },
      [&](TCopyPage& p) { unzip_position = p.UnzipProgress->Progress(); });

  EXPECT_EQ(outcome.result, mrOk);
  ASSERT_EQ(outcome.messages.size(), GetParam().warns ? 1u : 0u);
  if (GetParam().warns) {
    EXPECT_NE(outcome.messages[0].find("Am gasit o instalare mai veche de"), std::string::npos);
    EXPECT_NE(outcome.messages[0].find("PROTECTIA APLICATIILOR EXISTENTE"), std::string::npos);
    EXPECT_EQ(MessageSuffix, "PENTRU CONTINUARE");
  }
  EXPECT_EQ(state.OldEngineFound, GetParam().warns);
  EXPECT_FALSE(fs::exists(scratch_.path() / "pf" / "Borland"));
  EXPECT_LT(unzip_position, 100);
  ExpectCopied("EXE", Program());
  ExpectCopied("DBNEW", Data());
}

std::string EngineCaseName(const ::testing::TestParamInfo<EngineCase>& info) {
  const char* names[] = {"Version4_0", "Version5_01", "Version3_5", "NoVersion"};
  return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Versions, InstalledEngine,
                         ::testing::Values(EngineCase{"4.0", false}, EngineCase{"5.01", false},
                                           EngineCase{"3.5", true}, EngineCase{nullptr, false}),
                         EngineCaseName);

TEST_F(FreshCopyPage, AnOldEngineSeenEarlierSendsTheEngineToItsRecordedPlace) {
  // A first visit finds an old engine; by the second its settings key is gone, but the engine's
  // own key still says where it lives.
  state.SourceDir = FixedMedia(true);
  registry_.SetText(bde::kEngineInitKey, "VERSION", "3.5");
  EXPECT_EQ(RunPage(NewPage(), "&Continua", [](const std::string&) { return mrOk; }).result, mrOk);
  ASSERT_TRUE(state.OldEngineFound);

  registry_.Remove(bde::kEngineInitKey);
  const std::string recorded = Dir("old-engine");
  registry_.SetText(bde::kEngineKey, "DLLPATH", recorded);
  const Outcome outcome = RunPage(NewPage(), "&Continua", [](const std::string&) { return mrOk; });
  EXPECT_EQ(outcome.result, mrOk);
  EXPECT_TRUE(outcome.messages.empty());
  ExpectCopied("BDE32", recorded);
  EXPECT_FALSE(fs::exists(scratch_.path() / "pf" / "Borland"));
}

TEST_F(FreshCopyPage, BackAbandonAndUnchosenDirectoriesLeaveTheDiskUntouched) {
  state.SourceDir = FixedMedia(true);
  EXPECT_EQ(RunPage(NewPage(), "&Inapoi", [](const std::string&) { return mrOk; }).result, mrRetry);
  EXPECT_EQ(RunPage(NewPage(), "&Abandon", [](const std::string&) { return mrOk; }).result,
            mrCancel);
  EXPECT_TRUE(fs::is_empty(Program()));
  EXPECT_TRUE(fs::is_empty(Data()));

  // Without a program directory nothing is assembled: the user is sent back to choose one.
  state.ProgramDir = state.ProgramDirOffered = "";
  const Outcome outcome = RunPage(NewPage(), "&Continua", [](const std::string&) { return mrOk; });
  EXPECT_EQ(outcome.result, mrRetry);
  ASSERT_EQ(outcome.messages.size(), 1u);
  EXPECT_NE(outcome.messages[0].find("Directoarele destinatie nu sunt stabilite."),
            std::string::npos);
  EXPECT_TRUE(fs::is_empty(Data()));
}

}  // namespace
