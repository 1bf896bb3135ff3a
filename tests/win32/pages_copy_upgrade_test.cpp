// The upgrade's copy page over an installed product: which existing files the new ones replace,
// with the installation's directories spelt with and without a trailing backslash.
#include <gtest/gtest.h>

#include "pages_copy_support.h"
#include "support/temp_dir.h"
#include "wizard/upgrade/upgrade_copy_page.h"

using namespace copy_test;
using testing_support::TempDir;

namespace {

struct Installation {
  TInstallType type;
  bool program_backslash;
  bool data_backslash;
};

class UpgradeCopyPage : public ::testing::TestWithParam<Installation> {
 protected:
  void SetUp() override {
    state.InstallType = GetParam().type;
    const fs::path media = scratch_.path() / "media";
    fs::copy(WorkDir("media/upgrade"), media);
    state.SourceDir = media.string();
    state.DiskCount = 1;
    fs::create_directories(program_);
    fs::create_directories(data_ / "NEW");
    state.ProgramDir = state.ProgramDirOffered =
        program_.string() + (GetParam().program_backslash ? "\\" : "");
    state.DataDir = data_.string() + (GetParam().data_backslash ? "\\" : "");
    // What the installation holds before the upgrade.
    scratch_.Write("app/IDAPI32.DLL", "engine in use");
    scratch_.Write("app/VORTEL.EXE", "old program");
    scratch_.Write("app/data/FIRMA.DB", "the user's data");
    scratch_.Write("app/data/NEW/X.DB", "old reference data");
  }

  ToolkitScope toolkit_;
  TempDir scratch_;
  TInstallState state;
  fs::path program_ = scratch_.path() / "app";
  fs::path data_ = scratch_.path() / "app" / "data";
};

TEST_P(UpgradeCopyPage, ReplacesProgramsButKeepsEngineLibrariesAndData) {
  int unzip_position = -1;
  TUpgCopy* page = CreateForm<TUpgCopy>(&Application, state);
  const Outcome outcome = RunPage(
      page, "&Continua", [](const std::string&) { return mrOk; },
      [&](TCopyPage& p) { unzip_position = p.UnzipProgress->Progress(); },
      [&](TCopyPage& p) {
        if (GetParam().type == itLocal && GetParam().program_backslash)
          SavePageShot(p, "upgrade-copy-page");
      });

  EXPECT_EQ(outcome.result, mrOk);
  EXPECT_TRUE(outcome.messages.empty());
  // The engine's library stays; the rest of the program archive replaces or joins what was there.
  EXPECT_EQ(scratch_.Read("app/IDAPI32.DLL"), "engine in use");
  EXPECT_EQ(scratch_.Read("app/VORTEL.EXE"), ReadAll(WorkDir("product/EXE/VORTEL.EXE")));
  EXPECT_EQ(scratch_.Read("app/MELDORA.EXE"), ReadAll(WorkDir("product/EXE/MELDORA.EXE")));
  for (const char* folder : {"ROVANEL", "HELP", "TESKARD"}) ExpectCopied(folder, program_);
  EXPECT_EQ(scratch_.Read("app/data/FIRMA.DB"), "the user's data");
  if (GetParam().type == itClient) {
    EXPECT_EQ(scratch_.Read("app/data/NEW/X.DB"), "old reference data");
    EXPECT_FALSE(scratch_.Exists("app/data/LUNA.DB"));
  } else {
    EXPECT_EQ(scratch_.Read("app/data/NEW/X.DB"), ReadAll(WorkDir("product/DBNEW/NEW/X.DB")));
    EXPECT_EQ(scratch_.Read("app/data/LUNA.DB"), ReadAll(WorkDir("product/DBDAT/LUNA.DB")));
    ExpectCopied("DBNEW/NEW/FIRMA", data_ / "NEW" / "FIRMA");
  }
  // An upgrade never brings the engine.
  EXPECT_FALSE(fs::exists(WorkDir("media/upgrade/BDE32.1")));
  // Kept files count as handled: the gauge still ends full.
  EXPECT_EQ(unzip_position, 100);
  EXPECT_EQ(ZipFilesIn(program_), 0);
}

std::string InstallationName(const ::testing::TestParamInfo<Installation>& info) {
  const char* names[] = {"LocalProgramWithBackslash", "LocalDataWithBackslash", "Client"};
  return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Directories, UpgradeCopyPage,
                         ::testing::Values(Installation{itLocal, true, false},
                                           Installation{itLocal, false, true},
                                           Installation{itClient, true, true}),
                         InstallationName);

}  // namespace
