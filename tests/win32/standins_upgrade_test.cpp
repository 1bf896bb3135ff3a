// The sample upgrade library: its seven entry points, the alias answer from the engine's file,
// the traces of its tasks, the report callback with movable memory, and the failure switch.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "support/process.h"
#include "support/standin_engine.h"
#include "support/temp_dir.h"

namespace {

using testing_support::BinDir;
using testing_support::EngineEntries;
using testing_support::TempDir;

using ReportProc = void(WINAPI*)(HGLOBAL);

std::vector<std::string> g_reports;
bool g_blocks_movable = true;

void WINAPI Collect(HGLOBAL block) {
  // A movable block's handle is not its address, and the library unlocks it before the call.
  if (GlobalFlags(block) & GMEM_LOCKCOUNT) g_blocks_movable = false;
  const char* text = static_cast<const char*>(GlobalLock(block));
  if (text == nullptr || text == static_cast<const void*>(block)) g_blocks_movable = false;
  if (text != nullptr) g_reports.emplace_back(text);
  GlobalUnlock(block);
}

class UpgradeLibrary : public testing::Test {
 protected:
  void SetUp() override {
    g_reports.clear();
    g_blocks_movable = true;
    SetEnvironmentVariableA("VORT_UPGRADE_FAIL", nullptr);
    // The engine with the product's main alias, as a finished installation leaves it.
    ASSERT_TRUE(CopyFileA((BinDir() + "IDAPI32.DLL").c_str(),
                          engine_dir_.File("IDAPI32.DLL").c_str(), FALSE));
    engine_ = LoadLibraryA(engine_dir_.File("IDAPI32.DLL").c_str());
    ASSERT_NE(engine_, nullptr);
    EngineEntries dbi(engine_);
    ASSERT_EQ(dbi.init(500, nullptr), 0u);
    ASSERT_TRUE(CreateDirectoryA(data_.c_str(), nullptr));
    ASSERT_EQ(dbi.add_alias(nullptr, "VORTEL", "PARADOX", ("PATH:" + data_).c_str(), 0xFFFF), 0u);
    ASSERT_EQ(dbi.save(nullptr, nullptr, 0), 0u);
    dbi.exit();

    library_ = LoadLibraryA((BinDir() + "UPGRADE.DLL").c_str());
    ASSERT_NE(library_, nullptr);
  }
  void TearDown() override {
    SetEnvironmentVariableA("VORT_UPGRADE_FAIL", nullptr);
    if (library_) FreeLibrary(library_);
    if (engine_) FreeLibrary(engine_);
  }

  template <typename F>
  F Entry(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library_, name)));
  }
  void Run(const char* task) { Entry<void(WINAPI*)()>(task)(); }
  bool SemaphoreOk() { return Entry<unsigned char(WINAPI*)()>("GetSemaforOK")() != 0; }
  std::string AliasPath(const std::string& alias) {
    char buffer[256 + 8];
    std::memset(buffer, 'x', sizeof buffer);
    std::memcpy(buffer, alias.c_str(), alias.size() + 1);
    Entry<void(WINAPI*)(char*)>("GetAliasPath")(buffer);
    EXPECT_EQ(std::string(buffer + 256, 8), std::string(8, 'x')) << "wrote past the buffer";
    return buffer;
  }
  std::string Trace() { return data_dir_.Read("DATA\\UPGRADE.TRC"); }

  TempDir engine_dir_;
  TempDir data_dir_;
  std::string data_ = data_dir_.File("DATA");
  HMODULE engine_ = nullptr;
  HMODULE library_ = nullptr;
};

TEST_F(UpgradeLibrary, ExportsAllSevenEntryPoints) {
  for (const char* name : {"GetAliasPath", "DoStructureUpgrade", "DoListUpgrade", "SetReportProc",
                           "DoConstUpgrade", "SetQuickVerif", "GetSemaforOK"})
    EXPECT_NE(GetProcAddress(library_, name), nullptr) << name;
}

TEST_F(UpgradeLibrary, AnswersAliasPathsFromTheEnginesFile) {
  EXPECT_EQ(AliasPath("VORTEL"), data_);
  EXPECT_EQ(AliasPath("vortel"), data_);
  EXPECT_EQ(AliasPath("UNKNOWN"), "");
  EXPECT_EQ(AliasPath(std::string(255, 'A')), "");
}

TEST_F(UpgradeLibrary, TasksLeaveTracesAndReportThroughTheCallback) {
  Entry<void(WINAPI*)(ReportProc)>("SetReportProc")(Collect);
  Run("DoStructureUpgrade");
  EXPECT_TRUE(SemaphoreOk());
  const size_t structure_reports = g_reports.size();
  EXPECT_GE(structure_reports, 3u);
  Entry<void(WINAPI*)(unsigned char)>("SetQuickVerif")(1);
  Run("DoListUpgrade");
  EXPECT_TRUE(SemaphoreOk());
  Entry<void(WINAPI*)(unsigned char)>("SetQuickVerif")(0);
  Run("DoConstUpgrade");
  EXPECT_TRUE(SemaphoreOk());

  EXPECT_EQ(
      Trace(),
      "DoStructureUpgrade quick=0 ok\r\nDoListUpgrade quick=1 ok\r\nDoConstUpgrade quick=0 ok\r\n");
  EXPECT_TRUE(g_blocks_movable);
  EXPECT_EQ(g_reports.front(), "Verificare structuri...");
  EXPECT_EQ(g_reports.back(), "Actualizare constante: gata");
}

TEST_F(UpgradeLibrary, SemaphoreAnswersFalseForTasksMadeToFail) {
  SetEnvironmentVariableA("VORT_UPGRADE_FAIL", "lists");
  Run("DoStructureUpgrade");
  EXPECT_TRUE(SemaphoreOk());
  Run("DoListUpgrade");
  EXPECT_FALSE(SemaphoreOk());
  Run("DoConstUpgrade");
  EXPECT_TRUE(SemaphoreOk()) << "a failed task does not spoil the next";

  SetEnvironmentVariableA("VORT_UPGRADE_FAIL", nullptr);
  data_dir_.Write("DATA\\UPGRADE.FAIL", "constants structure\r\n");
  Run("DoConstUpgrade");
  EXPECT_FALSE(SemaphoreOk());
  Run("DoListUpgrade");
  EXPECT_TRUE(SemaphoreOk());
  EXPECT_NE(Trace().find("DoListUpgrade quick=0 failed"), std::string::npos) << Trace();
}

TEST_F(UpgradeLibrary, WithoutTheDatabaseTasksFailAndSaySo) {
  ASSERT_TRUE(RemoveDirectoryA(data_.c_str()));
  Entry<void(WINAPI*)(ReportProc)>("SetReportProc")(Collect);
  Run("DoStructureUpgrade");
  EXPECT_FALSE(SemaphoreOk());
  ASSERT_FALSE(g_reports.empty());
  EXPECT_NE(g_reports.back().find("nu gasesc baza de date"), std::string::npos);
}

}  // namespace
