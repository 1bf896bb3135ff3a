// The engine as the setup drives it, through the engine stand-in copied into a scratch
// directory that the test registers as the engine's folder, so that its alias file is the
// test's own.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <shlwapi.h>

#include <stdexcept>

#include "bde/alias_list.h"
#include "bde/configure_engine.h"
#include "bde/engine.h"
#include "bde/engine_loader.h"
#include "state/install_state.h"
#include "support/machine_state_lock.h"
#include "support/process.h"
#include "support/registered_engine.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

class Engine : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(
        CopyFileA((BinDir() + "IDAPI32.DLL").c_str(), dir.File("IDAPI32.DLL").c_str(), FALSE));
  }
  void TearDown() override { bde::CloseEngine(); }
  int RunProbe(const std::string& program, const std::string& argument) {
    return RunProcess("\"" + program + "\" " + argument);
  }

  MachineStateLock lock_;
  TempDir dir;
  RegisteredEngineFolder folder_{dir.path().string()};
};

}  // namespace

TEST_F(Engine, AliasesCreatedHereAreSeenByTheCheckOfASecondProcess) {
  EXPECT_FALSE(bde::ProductAliasExists()) << "a fresh machine";
  EXPECT_EQ(RunProbe(BinDir() + "engine_probe.exe", "check"), 0);

  const bde::AliasLists lists = bde::BuildAliasLists("D:\\APP\\");
  EXPECT_TRUE(bde::CreateAliases(lists.names, lists.paths));
  const std::string saved = dir.Read("IDAPI32.CFG");
  for (const char* line :
       {"VORTELALIAS\tPARADOX\tD:\\APP\\NEW\\DATA\r\n",
        "FIRMAALIAS\tPARADOX\tD:\\APP\\NEW\\FIRMA\r\n",
        "LUNAALIAS\tPARADOX\tD:\\APP\\NEW\\LUNA\r\n", "VORTEL\tPARADOX\tD:\\APP\\DATA\r\n"}) {
    EXPECT_NE(saved.find(line), std::string::npos) << line << saved;
  }
  EXPECT_TRUE(bde::ProductAliasExists());
  EXPECT_EQ(RunProbe(BinDir() + "engine_probe.exe", "check"), 1);

  EXPECT_FALSE(bde::CreateAliases(lists.names, lists.paths))
      << "the engine refuses names it has; the failure is only in the result";
}

TEST_F(Engine, MismatchedListsAndOverlongTextsAddNothing) {
  EXPECT_FALSE(bde::CreateAliases({"A", "B"}, {"C:\\A"}));
  EXPECT_FALSE(bde::CreateAliases({"LONGALIAS", "SHORTALIAS"},
                                  {"C:\\" + std::string(260, 'x'), "C:\\SHORT"}));
  EXPECT_NE(dir.Read("IDAPI32.CFG").find("SHORTALIAS\tPARADOX\tC:\\SHORT"), std::string::npos)
      << "the aliases after a failing one are still added";
  EXPECT_EQ(dir.Read("IDAPI32.CFG").find("LONGALIAS"), std::string::npos);
}

TEST_F(Engine, OrdinalEntriesAreBoundOnceAndMissingOnesAnswerWithACode) {
  ASSERT_TRUE(bde::OpenEngine());
  bde::DBIResult failure = 0;
  void* first = bde::BoundEngineEntry(bde::kOpenDatabase, &failure);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, reinterpret_cast<void*>(
                       GetProcAddress(GetModuleHandleA("IDAPI32.DLL"), MAKEINTRESOURCEA(4))));
  EXPECT_EQ(bde::BoundEngineEntry(bde::kOpenDatabase, &failure), first);
  EXPECT_EQ(bde::BoundEngineEntry({100, 9999}, &failure), nullptr);
  EXPECT_EQ(failure, 0x274F);

  EXPECT_EQ(bde::EngineExit(), 0);
  EXPECT_EQ(GetModuleHandleA("IDAPI32.DLL"), nullptr) << "the last user unloads the engine";
  EXPECT_EQ(bde::EngineExit(), 0x274F) << "no library left to shut down";
  ASSERT_EQ(bde::EngineInit(bde::kEngineInterfaceVersion, nullptr), 0);
  EXPECT_NE(bde::BoundEngineEntry(bde::kOpenDatabase, &failure), nullptr)
      << "bound anew in the library loaded again";
  EXPECT_EQ(bde::EngineExit(), 0);
}

TEST(EngineMissing, CheckAnswersFalseAndInitGivesTheNotFoundCode) {
  MachineStateLock lock;
  TempDir dir;
  RegisteredEngineFolder folder(dir.path().string());
  const std::string probe = "\"" + BinDir() + "engine_probe.exe\"";
  EXPECT_EQ(RunProcess(probe + " check"), 0);
  EXPECT_EQ(RunProcess(probe + " init"), 0x2108);
  dir.Write("IDAPI32.DLL", "not a library");
  EXPECT_EQ(RunProcess(probe + " init"), 0x2109) << "a damaged library";
  folder.Remove();
  EXPECT_EQ(RunProcess(probe + " init"), 0x2108) << "no folder registered";
}

TEST_F(Engine, TaskCountsOneMoreUserAndCreatesTheFourAliasesOrStopsAtARegistryFailure) {
  HKEY existing;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Borland\\BLW32", 0, KEY_READ, &existing) ==
      ERROR_SUCCESS) {
    RegCloseKey(existing);
    GTEST_SKIP() << "this machine has an engine registered; its keys are not touched";
  }
  // Wine's own prefix holds a "Database Engine" key; only the count is the test's.
  char saved[64] = "";
  DWORD saved_size = sizeof saved - 1;
  bool had_count = false;
  TInstallState state;
  state.DataDir = "E:\\VORT";

  // Not registered, and no template in the program-files directory: the failure escapes and
  // no alias is created.
  EXPECT_THROW(DoConfigBDE(state), std::runtime_error);
  EXPECT_FALSE(dir.Exists("IDAPI32.CFG"));

  HKEY key;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Borland\\BLW32", 0, nullptr, 0, KEY_ALL_ACCESS,
                  nullptr, &key, nullptr);
  RegCloseKey(key);
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Borland\\Database Engine", 0, nullptr, 0,
                  KEY_ALL_ACCESS, nullptr, &key, nullptr);
  had_count = RegQueryValueExA(key, "UseCount", nullptr, nullptr, reinterpret_cast<BYTE*>(saved),
                               &saved_size) == ERROR_SUCCESS;
  RegSetValueExA(key, "UseCount", 0, REG_SZ, reinterpret_cast<const BYTE*>("7"), 2);

  DoConfigBDE(state);

  char count[16] = "";
  DWORD size = sizeof count - 1;
  RegQueryValueExA(key, "UseCount", nullptr, nullptr, reinterpret_cast<BYTE*>(count), &size);
  if (had_count) {
    RegSetValueExA(key, "UseCount", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved), saved_size);
  } else {
    RegDeleteValueA(key, "UseCount");
  }
  RegCloseKey(key);
  SHDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Borland\\BLW32");
  EXPECT_STREQ(count, "8");
  EXPECT_NE(dir.Read("IDAPI32.CFG").find("VORTEL\tPARADOX\tE:\\VORT\\DATA\r\n"), std::string::npos);
  EXPECT_EQ(RunProcess("\"" + BinDir() + "engine_probe.exe\" check"), 1);
}

TEST(EngineSearch, OnlyFromTheFirstRegisteredFolderNeverFromTheCurrentOne) {
  MachineStateLock lock;
  TempDir here, registered;
  for (const TempDir* d : {&here, &registered}) {
    ASSERT_TRUE(
        CopyFileA((BinDir() + "IDAPI32.DLL").c_str(), d->File("IDAPI32.DLL").c_str(), FALSE));
  }
  RegisteredEngineFolder folder(registered.path().string() + ";" + here.path().string());
  char previous[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(here.path().string().c_str()));

  const auto loaded_from = [] {
    HMODULE module = static_cast<HMODULE>(bde::LoadEngineLibrary());
    char path[MAX_PATH] = "";
    if (module) GetModuleFileNameA(module, path, MAX_PATH);
    if (module) FreeLibrary(module);
    return std::string(path);
  };
  EXPECT_EQ(loaded_from(), registered.File("IDAPI32.DLL"));
  folder.Set(registered.str());
  EXPECT_EQ(loaded_from(), registered.File("IDAPI32.DLL")) << "one backslash only";
  DeleteFileA(registered.File("IDAPI32.DLL").c_str());
  EXPECT_EQ(loaded_from(), "") << "neither the current folder nor the list's second folder";
  for (const char* relative : {".", "IDAPI"}) {
    folder.Set(relative);
    EXPECT_EQ(loaded_from(), "") << relative << " names a folder only through the current one";
  }
  SetCurrentDirectoryA(previous);
}
