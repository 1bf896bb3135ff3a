// The configuration page driven as a user would, with the engine, registration programs and
// Program Manager stand-ins doing the work for real. The machine is put back after each test.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <shlwapi.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <optional>

#include "bde/engine.h"
#include "config/config_sys_update.h"
#include "config/program_group.h"
#include "state/install_state.h"
#include "support/form_driver.h"
#include "support/machine_state_lock.h"
#include "support/page_harness.h"
#include "support/page_support.h"
#include "support/process.h"
#include "support/registered_engine.h"
#include "support/temp_dir.h"
#include "wizard/fresh/config_page.h"
#include "wizard/task_line.h"

using namespace testing_support;

namespace {

constexpr char kRegisteredKey[] = "Software\\Borland\\BLW32";
constexpr char kEngineKey[] = "Software\\Borland\\Database Engine";

std::optional<std::string> ReadRegistryString(const char* key_path, const char* name) {
  char value[256] = "";
  DWORD size = sizeof value - 1;
  if (SHGetValueA(HKEY_LOCAL_MACHINE, key_path, name, nullptr, value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return std::string(value);
}

bool KeyExists(const char* key_path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key_path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// The Program Manager stand-in, recording into and creating groups under a scratch folder.
class ProgmanServer {
 public:
  ProgmanServer(const std::string& record, const std::string& root) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string cmd = "\"" + BinDir() + "PROGMAN.EXE\" /record:\"" + record + "\" /root:\"" + root +
                      "\" /idle:120";
    started_ = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &si, &process_) != 0;
    ready_ = started_ && WaitUntil([] { return FindWindowA("VortProgManStandIn", nullptr); });
  }
  ~ProgmanServer() {
    if (!started_) return;
    if (HWND window = FindWindowA("VortProgManStandIn", nullptr))
      PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0)
      TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  bool ready() const { return ready_; }

 private:
  bool started_ = false;
  bool ready_ = false;
  PROCESS_INFORMATION process_{};
};

// A machine on which the engine is registered for one other product, with CONFIG.SYS, the
// profile entry and the engine's user count as they were put back afterwards. The engine
// stand-in is loaded from a scratch directory registered as its folder, so its alias file is
// the test's.
class ConfigPage : public ::testing::Test {
 protected:
  void SetUp() override {
    if (KeyExists(kRegisteredKey))
      GTEST_SKIP() << "this machine has an engine registered; its keys are not touched";
    if (const DWORD a = GetFileAttributesA(config::kConfigSysPath); a != INVALID_FILE_ATTRIBUTES) {
      saved_attributes_ = a;
      std::ifstream in(config::kConfigSysPath, std::ios::binary);
      saved_config_ = std::string(std::istreambuf_iterator<char>(in), {});
    }
    char user[256] = "";
    GetProfileStringA("Vortel", "LastUser", "\x01", user, sizeof user);
    if (std::string(user) != "\x01") saved_user_ = user;
    char section[4] = "";
    had_section_ = GetProfileSectionA("Vortel", section, sizeof section) > 0;
    had_engine_key_ = KeyExists(kEngineKey);
    saved_count_ = ReadRegistryString(kEngineKey, "UseCount");

    SetFileAttributesA(config::kConfigSysPath, FILE_ATTRIBUTE_NORMAL);
    WriteProfileStringA("Vortel", "LastUser", nullptr);
    std::ofstream(config::kConfigSysPath, std::ios::binary) << "FILES=30\r\nFILESHIGH=40\r\n";

    ASSERT_TRUE(
        CopyFileA((BinDir() + "IDAPI32.DLL").c_str(), work.File("IDAPI32.DLL").c_str(), FALSE));
    engine_folder_.emplace(work.path().string());
    program_dir = work.File("Program Files") + "\\Vort";
    work.Write("Program Files\\Vort\\VORTEL.EXE", "MZ");
    for (const char* name : {"HHUPD.EXE", "TREGSVR.EXE"}) {
      ASSERT_TRUE(CopyFileA((BinDir() + "exit_probe.exe").c_str(),
                            (program_dir + "\\" + name).c_str(), FALSE));
    }
    state.ProgramDir = program_dir;
    state.DataDir = work.File("Date");
  }

  void TearDown() override {
    if (IsSkipped()) return;
    bde::CloseEngine();
    SetFileAttributesA(config::kConfigSysPath, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(config::kConfigSysPath);
    if (saved_config_) {
      std::ofstream(config::kConfigSysPath, std::ios::binary) << *saved_config_;
      SetFileAttributesA(config::kConfigSysPath, saved_attributes_);
    }
    WriteProfileStringA("Vortel", "LastUser", saved_user_ ? saved_user_->c_str() : nullptr);
    if (!had_section_) WriteProfileStringA("Vortel", nullptr, nullptr);
    SHDeleteKeyA(HKEY_LOCAL_MACHINE, kRegisteredKey);
    if (!had_engine_key_) {
      SHDeleteKeyA(HKEY_LOCAL_MACHINE, kEngineKey);
    } else if (saved_count_) {
      SHSetValueA(HKEY_LOCAL_MACHINE, kEngineKey, "UseCount", REG_SZ, saved_count_->c_str(),
                  static_cast<DWORD>(saved_count_->size() + 1));
    } else {
      SHDeleteValueA(HKEY_LOCAL_MACHINE, kEngineKey, "UseCount");
    }
  }

  // The engine registered by another product that counts 7 users.
  void RegisterEngineForAnotherProduct() {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRegisteredKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(SHSetValueA(HKEY_LOCAL_MACHINE, kEngineKey, "UseCount", REG_SZ, "7", 2),
              ERROR_SUCCESS);
  }

  static void ExpectLines(TConfig& page, bool bde, bool config_sys, bool group) {
    EXPECT_EQ(TaskLineDone(*page.BBDE), bde);
    EXPECT_EQ(TaskLineDone(*page.BCFGSYS), config_sys);
    EXPECT_EQ(TaskLineDone(*page.BGROUP), group);
  }

  MachineStateLock lock_;
  ToolkitScope toolkit_;
  TempDir work;
  std::string program_dir;
  TInstallState state;

 private:
  std::optional<RegisteredEngineFolder> engine_folder_;
  std::optional<std::string> saved_config_;
  DWORD saved_attributes_ = 0;
  std::optional<std::string> saved_user_;
  bool had_section_ = false;
  bool had_engine_key_ = false;
  std::optional<std::string> saved_count_;
};

// The group task talking to a service that nobody answers and that cannot be started.
class TConfigWithoutProgman : public TConfig {
 public:
  using TConfig::TConfig;

 protected:
  void DoConfigGroup() override {
    config::SendGroupCommands("VortNoSuchDdeServer", state_.ProgramDir);
  }
};

}  // namespace

TEST_F(ConfigPage, MarksAllThreeLinesAndLeavesTheMachineConfigured) {
  RegisterEngineForAnotherProduct();
  ProgmanServer progman(work.File("progman.rec"), work.File("Programs"));
  ASSERT_TRUE(progman.ready());

  std::unique_ptr<TConfig> page(CreateForm<TConfig>(&Application, state));
  std::vector<SeenMessage> seen;
  {
    PageHarness harness;
    harness.Then([&](TForm& form) {
      ExpectLines(*page, false, false, false);
      EXPECT_EQ(page->BBDE->Alignment(), taRightJustify);
      EXPECT_EQ(page->BBDE->BevelOuter(), bvNone);
      SavePageShot(form, "config-page");
      EXPECT_TRUE(Click(page->BNext));
      SavePageShot(form, "config-page-done");
    });
    EXPECT_EQ(page->ShowModal(), mrOk);
    seen = harness.Messages();
  }
  EXPECT_TRUE(seen.empty()) << seen[0].caption << ": " << seen[0].text;
  ExpectLines(*page, true, true, true);
  EXPECT_TRUE(page->BNext->Enabled());
  page.reset();

  EXPECT_EQ(ReadRegistryString(kEngineKey, "UseCount"), "8");
  const std::string aliases = work.Read("IDAPI32.CFG");
  EXPECT_NE(aliases.find("VORTEL\tPARADOX\t" + work.File("Date") + "\\DATA\r\n"), std::string::npos)
      << aliases;
  EXPECT_NE(aliases.find("VORTELALIAS\tPARADOX\t"), std::string::npos) << aliases;
  EXPECT_EQ(RunProcess("\"" + BinDir() + "engine_probe.exe\" check"), 1)
      << "a new process opens the product's database";

  std::ifstream in(config::kConfigSysPath, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "FILES=255\r\nFILESHIGH=255\r\n");
  char user[64] = "";
  GetProfileStringA("Vortel", "LastUser", "", user, sizeof user);
  EXPECT_STREQ(user, "Master");
  EXPECT_TRUE(work.Exists("Program Files\\Vort\\HHUPD.EXE.cmdline"));
  EXPECT_TRUE(work.Exists("Program Files\\Vort\\TREGSVR.EXE.cmdline"));

  EXPECT_TRUE(WaitUntil([&] { return work.Exists("Programs\\RidOZIZUZ\\Vortel.lnk"); }));
  EXPECT_NE(work.Read("progman.rec").find("[CreateGroup(\"RidOZIZUZ\")]"), std::string::npos);
}

TEST_F(ConfigPage, NoProgramManagerIsReportedOnceAndThePageStillCloses) {
  RegisterEngineForAnotherProduct();
  std::unique_ptr<TConfig> page(CreateForm<TConfigWithoutProgman>(&Application, state));
  std::vector<SeenMessage> seen;
  {
    PageHarness harness;
    harness.Then([&](TForm&) { EXPECT_TRUE(Click(page->BNext)); });
    EXPECT_EQ(page->ShowModal(), mrOk);
    seen = harness.Messages();
  }
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_NE(seen[0].text.find("Eroare DDE!"), std::string::npos) << seen[0].text;
  ExpectLines(*page, true, true, true);
  EXPECT_EQ(ReadRegistryString(kEngineKey, "UseCount"), "8") << "the tasks before it ran";
}

TEST_F(ConfigPage, EngineFailureIsReportedAndLeavesThePageOpenForGoingBack) {
  // Not registered and no registration template: the engine task gives up.
  std::unique_ptr<TConfig> page(CreateForm<TConfig>(&Application, state));
  std::vector<SeenMessage> seen;
  {
    PageHarness harness;
    harness.AnswerMessages(IDOK);
    harness.Then([&](TForm&) {
      EXPECT_TRUE(Click(page->BNext));
      EXPECT_FALSE(page->BNext->Enabled()) << "no second run over a half-done one";
      EXPECT_EQ(page->ModalResult(), mrNone) << "the page stays open";
      EXPECT_TRUE(Click(page->BBack));
    });
    EXPECT_EQ(page->ShowModal(), mrRetry);
    seen = harness.Messages();
  }
  ASSERT_EQ(seen.size(), 2u) << "the failure, then the offer to undo the installation";
  EXPECT_TRUE(seen[0].error_icon);
  EXPECT_EQ(seen[0].caption, Application.Title());
  EXPECT_NE(seen[1].text.find("Anulez instalarea"), std::string::npos) << seen[1].text;
  ExpectLines(*page, false, false, false);
  EXPECT_FALSE(work.Exists("IDAPI32.CFG")) << "no alias without the engine";
  char user[64] = "";
  GetProfileStringA("Vortel", "LastUser", "", user, sizeof user);
  EXPECT_STREQ(user, "") << "the later tasks did not run";
}
