// The upgrade library interface against the sample upgrade library.
#include "upgrade/upgrade_library.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "support/process.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

std::vector<std::string> reports;

void __stdcall Collect(void* block) {
  reports.push_back(upgrade::ReportText(block));
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
  for (const std::string& t : texts) {
    if (t == text) return true;
  }
  return false;
}

class UpgradeInterface : public ::testing::Test {
 protected:
  void SetUp() override {
    reports.clear();
    SetEnvironmentVariableA("VORT_UPGRADE_FAIL", nullptr);
  }
  void TearDown() override {
    upgrade::UnloadUpgradeLibrary();
    SetEnvironmentVariableA("VORT_UPGRADE_FAIL", nullptr);
  }
  TempDir dir;
};

}  // namespace

TEST_F(UpgradeInterface, LoadedFromTheGivenDirectoryAndDrivenThroughItsSevenFunctions) {
  ASSERT_TRUE(
      CopyFileA((BinDir() + "UPGRADE.DLL").c_str(), dir.File("UPGRADE.DLL").c_str(), FALSE));
  const std::string data_dir = dir.File("DATA");
  ASSERT_TRUE(CreateDirectoryA(data_dir.c_str(), nullptr));
  dir.Write("IDAPI32.CFG", "VORTEL\tPARADOX\t" + data_dir + "\r\n");

  ASSERT_TRUE(upgrade::LoadUpgradeLibraryFrom(dir.path().string())) << "no trailing backslash";
  EXPECT_TRUE(upgrade::UpgradeLibraryLoaded());
  std::string alias = "VORTEL";
  upgrade::GetAliasPath(alias);
  EXPECT_EQ(alias, data_dir);

  upgrade::SetReportProc(&Collect);
  upgrade::SetQuickVerif(true);
  upgrade::DoStructureUpgrade();
  EXPECT_TRUE(upgrade::GetSemaforOK());
  EXPECT_TRUE(Contains(reports, "Verificare structuri: gata"));

  SetEnvironmentVariableA("VORT_UPGRADE_FAIL", "lists");
  upgrade::DoListUpgrade();
  EXPECT_FALSE(upgrade::GetSemaforOK());
  upgrade::SetQuickVerif(false);
  upgrade::DoConstUpgrade();
  EXPECT_TRUE(upgrade::GetSemaforOK());
  EXPECT_EQ(dir.Read("DATA\\UPGRADE.TRC"),
            "DoStructureUpgrade quick=1 ok\r\nDoListUpgrade quick=1 failed\r\n"
            "DoConstUpgrade quick=0 ok\r\n");
}

TEST_F(UpgradeInterface, ProgramsOwnDirectoryIsWhereItComesFrom) {
  ASSERT_TRUE(upgrade::LoadUpgradeLibrary());
  char path[MAX_PATH] = "";
  GetModuleFileNameA(GetModuleHandleA("UPGRADE.DLL"), path, MAX_PATH);
  EXPECT_STREQ(path, (BinDir() + "UPGRADE.DLL").c_str());
}

TEST_F(UpgradeInterface, MissingOrIncompleteLibraryIsNotLoadedAndNothingIsCalled) {
  EXPECT_FALSE(upgrade::LoadUpgradeLibraryFrom(dir.str())) << "no library there";

  // A library, but not one with the upgrade functions.
  ASSERT_TRUE(
      CopyFileA((BinDir() + "IDAPI32.DLL").c_str(), dir.File("UPGRADE.DLL").c_str(), FALSE));
  EXPECT_FALSE(upgrade::LoadUpgradeLibraryFrom(dir.str()));
  EXPECT_FALSE(upgrade::UpgradeLibraryLoaded());
  EXPECT_EQ(GetModuleHandleA(dir.File("UPGRADE.DLL").c_str()), nullptr) << "unloaded again";

  std::string alias = "VORTEL";
  upgrade::GetAliasPath(alias);
  EXPECT_EQ(alias, "VORTEL");
  upgrade::SetReportProc(&Collect);
  upgrade::DoStructureUpgrade();
  upgrade::DoListUpgrade();
  upgrade::DoConstUpgrade();
  upgrade::SetQuickVerif(true);
  EXPECT_FALSE(upgrade::GetSemaforOK());
  EXPECT_TRUE(reports.empty());
}

TEST(UpgradeReport, TextIsCopiedFromAMovableBlockThatStaysAllocated) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
  ASSERT_NE(block, nullptr);
  lstrcpyA(static_cast<char*>(GlobalLock(block)), "Actualizare");
  GlobalUnlock(block);
  EXPECT_EQ(upgrade::ReportText(block), "Actualizare");
  EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u) << "unlocked again";
  EXPECT_EQ(GlobalFree(block), nullptr) << "still ours to free";
  EXPECT_EQ(upgrade::ReportText(nullptr), "");
}
