// The copy and upgrade pages' questions to the system: the registry, drive types, the Windows
// profile, the upgrade library's report blocks and the server question's dialog.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <windows.h>

#include "bde/engine_registry_win32.h"
#include "state/install_state.h"
#include "support/page_harness.h"
#include "support/temp_dir.h"
#include "ui/message/mesaj_dlg.h"
#include "upgrade/install_location.h"
#include "upgrade/library_report_win32.h"
#include "upgrade/program_search.h"
#include "upgrade/server_question.h"
#include "upgrade/server_question_win32.h"
#include "upgrade/system_probe_win32.h"

using testing_support::PageHarness;
using testing_support::TempDir;

namespace {

// A scratch key standing in for HKEY_LOCAL_MACHINE.
class ScratchKey {
 public:
  ScratchKey() : name_("Software\\VortTest-" + std::to_string(GetCurrentProcessId())) {
    RegCreateKeyExA(HKEY_CURRENT_USER, name_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                    nullptr);
  }
  ~ScratchKey() {
    RegCloseKey(key_);
    SHDeleteKeyA(HKEY_CURRENT_USER, name_.c_str());
  }
  HKEY get() const { return key_; }
  void Set(const char* sub, const char* value, DWORD type, const void* data, DWORD size) {
    HKEY key;
    RegCreateKeyExA(key_, sub, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExA(key, value, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
  void SetText(const char* sub, const char* value, const std::string& text) {
    Set(sub, value, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
  }

 private:
  std::string name_;
  HKEY key_ = nullptr;
};

}  // namespace

TEST(EngineRegistryWin32, ReadsTheEnginesKeysAsStored) {
  ScratchKey root;
  bde::SystemEngineRegistry registry(root.get());
  EXPECT_FALSE(registry.EngineInstalled());
  EXPECT_FALSE(registry.EngineVersion());

  HKEY init;
  RegCreateKeyExA(root.get(), bde::kEngineInitKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &init,
                  nullptr);
  RegCloseKey(init);
  EXPECT_TRUE(registry.EngineInstalled());
  EXPECT_FALSE(registry.EngineVersion());  // a key without VERSION

  root.SetText(bde::kEngineInitKey, "VERSION", "3.5");
  root.SetText(bde::kEngineKey, "DLLPATH", "C:\\BDE");
  EXPECT_EQ(registry.EngineVersion(), "3.5");
  EXPECT_EQ(registry.EngineDllPath(), "C:\\BDE");

  // A number where text belongs is no version.
  const DWORD number = 5;
  root.Set(bde::kEngineInitKey, "VERSION", REG_DWORD, &number, sizeof number);
  EXPECT_FALSE(registry.EngineVersion());

  // The machine's own Program Files, as the copy page reads it.
  const auto program_files = bde::SystemEngineRegistry().ProgramFilesDir();
  ASSERT_TRUE(program_files);
  EXPECT_NE(GetFileAttributesA(program_files->c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(SystemProbeWin32, DriveTypesDecideLocalOrClient) {
  upgrade::SystemProbeWin32 probe;
  EXPECT_EQ(probe.DriveType("C:\\"), upgrade::DriveKind::kFixed);
  EXPECT_FALSE(upgrade::IsRemoteLocation("C:\\WinVort", probe));
  EXPECT_TRUE(upgrade::IsRemoteLocation("\\\\NOSERVER\\VORT", probe));
  EXPECT_EQ(probe.DriveType("C:\\no such dir\\"), upgrade::DriveKind::kNoRoot);
}

TEST(SystemProbeWin32, ProfileValuesAreReadWhole) {
  TempDir dir;
  const std::string ini = dir.File("win.ini");
  const std::string long_path = "C:\\Program Files\\RidOZIZUZ\\Vortel\\Program\\";
  WritePrivateProfileStringA("Vortel", "AppPath", long_path.c_str(), ini.c_str());
  upgrade::SystemProbeWin32 probe(ini);
  EXPECT_EQ(probe.ReadProfileString("Vortel", "AppPath"), long_path);
  EXPECT_EQ(probe.ReadProfileString("Vortel", "DatabasePath"), "");

  // The real profile, as the product leaves it.
  HANDLE lock = CreateMutexA(nullptr, FALSE, "vort-tests-machine-state");
  WaitForSingleObject(lock, INFINITE);
  WriteProfileStringA("Vortel", "AppPath", dir.str().c_str());
  dir.Write("Vortel.exe", "MZ");
  upgrade::SystemProbeWin32 system;
  EXPECT_EQ(upgrade::ProgramDirectoryFromProfile(system), dir.str());
  WriteProfileStringA("Vortel", "AppPath", nullptr);
  ReleaseMutex(lock);
  CloseHandle(lock);
}

namespace {

struct Collected : upgrade::UpgradeReportListener {
  void OnLibraryReport(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

HGLOBAL MovableText(const std::string& bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  memcpy(GlobalLock(block), bytes.data(), bytes.size());
  GlobalUnlock(block);
  return block;
}

}  // namespace

TEST(LibraryReport, TextsComeFromMovableMemoryThatStaysTheLibrarys) {
  Collected listener;
  upgrade::SetLibraryReportListener(&listener);
  HGLOBAL block = MovableText(std::string("Verificare tabela FIRMA", 24));
  upgrade::LibraryReportProc(block);
  // Unlocked and not freed: the library may use it again.
  EXPECT_EQ(GlobalFlags(block) & GMEM_LOCKCOUNT, 0u);
  EXPECT_EQ(GlobalSize(block), 24u);
  GlobalFree(block);

  HGLOBAL unterminated = MovableText("ABC");
  upgrade::LibraryReportProc(unterminated);
  GlobalFree(unterminated);
  upgrade::LibraryReportProc(nullptr);

  upgrade::SetLibraryReportListener(nullptr);
  HGLOBAL late = MovableText(std::string("late", 5));
  upgrade::LibraryReportProc(late);
  GlobalFree(late);
  EXPECT_EQ(listener.texts, (std::vector<std::string>{"Verificare tabela FIRMA", "ABC", ""}));
}

TEST(ServerQuestionDialog, AClientAnswersThroughTheMessageDialog) {
  TInstallState state;
  state.InstallType = itLocal;
  {
    PageHarness harness;
    harness.AnswerMessages(mrNo);
    EXPECT_TRUE(upgrade::AskServerUpgrade(state));
    EXPECT_TRUE(harness.Messages().empty());
  }
  state.InstallType = itClient;
  MessageSuffix = "Pentru continuare";
  {
    PageHarness harness;
    harness.AnswerMessages(mrNo);
    EXPECT_FALSE(upgrade::AskServerUpgrade(state));
    const auto seen = harness.Messages();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, upgrade::kServerUpgradeCaption);
    EXPECT_NE(seen[0].text.find("Fac UPGRADE la baza de date de pe SERVER?"), std::string::npos);
    EXPECT_EQ(seen[0].text.find("continuare"), std::string::npos);
  }
  EXPECT_EQ(MessageSuffix, "PENTRU CONTINUARE");
  PageHarness yes;
  yes.AnswerMessages(mrYes);
  EXPECT_TRUE(upgrade::AskServerUpgrade(state));
}
