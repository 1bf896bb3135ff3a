// RunAndWait and the CONFIG.SYS task against the real C: drive, profile and processes.
#include "config/config_sys_task.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "config/config_sys_update.h"
#include "os/run_and_wait.h"
#include "state/install_state.h"
#include "support/machine_state_lock.h"
#include "support/page_harness.h"
#include "support/process.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string Probe() {
  return BinDir() + "exit_probe.exe";
}

// Keeps C:\CONFIG.SYS and the profile entry as they were before the test.
class MachineFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const DWORD a = GetFileAttributesA(config::kConfigSysPath); a != INVALID_FILE_ATTRIBUTES) {
      saved_attributes_ = a;
      saved_config_ = ReadFile(config::kConfigSysPath);
    }
    char user[256] = "";
    GetProfileStringA("Vortel", "LastUser", "\x01", user, sizeof user);
    if (std::string(user) != "\x01") saved_user_ = user;
    char section[4] = "";
    had_section_ = GetProfileSectionA("Vortel", section, sizeof section) > 0;
    SetFileAttributesA(config::kConfigSysPath, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(config::kConfigSysPath);
    WriteProfileStringA("Vortel", "LastUser", nullptr);
  }
  void TearDown() override {
    SetFileAttributesA(config::kConfigSysPath, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(config::kConfigSysPath);
    if (saved_config_) {
      WriteFile(config::kConfigSysPath, *saved_config_);
      SetFileAttributesA(config::kConfigSysPath, saved_attributes_);
    }
    WriteProfileStringA("Vortel", "LastUser", saved_user_ ? saved_user_->c_str() : nullptr);
    if (!had_section_) WriteProfileStringA("Vortel", nullptr, nullptr);
  }

  MachineStateLock lock_;
  std::optional<std::string> saved_config_;
  DWORD saved_attributes_ = 0;
  std::optional<std::string> saved_user_;
  bool had_section_ = false;
};

}  // namespace

TEST(RunAndWait, AnswersTheExitCodeOrMinusOne) {
  EXPECT_EQ(os::RunAndWait("\"" + Probe() + "\" 7", os::kShowMinimized), 7);
  EXPECT_EQ(os::RunAndWait("\"" + Probe() + "\"", os::kShowMinimized), 0);
  EXPECT_EQ(os::RunAndWait("\"" + Probe() + "\" 0xFFFFFFFE", os::kShowMinimized), -2)
      << "an exit code beyond the signed range keeps its bits";
  EXPECT_EQ(os::RunAndWait("C:\\no such folder\\NOTHERE.EXE /Q", os::kShowMinimized), -1);
  EXPECT_EQ(os::RunAndWait("", os::kShowMinimized), -1);
}

TEST_F(MachineFiles, TaskSetsProfileConfigSysAndRunsBothProgramsFromADirectoryWithBlanks) {
  TempDir root;
  const std::string program_dir = root.File("Program Files") + "\\Vort tel";
  ASSERT_TRUE(CreateDirectoryA(root.File("Program Files").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA(program_dir.c_str(), nullptr));
  ASSERT_TRUE(CopyFileA(Probe().c_str(), (program_dir + "\\HHUPD.EXE").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(Probe().c_str(), (program_dir + "\\TREGSVR.EXE").c_str(), FALSE));
  WriteFile(config::kConfigSysPath, "DEVICE=HIMEM.SYS\r\nREM FILES=20 was too few\r\nfiles=30\r\n");
  const DWORD kept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
  ASSERT_TRUE(SetFileAttributesA(config::kConfigSysPath, kept));
  TInstallState state;
  state.ProgramDir = program_dir;

  DoConfigConfigSys(state);

  char user[64] = "";
  GetProfileStringA("Vortel", "LastUser", "", user, sizeof user);
  EXPECT_STREQ(user, "Master");
  EXPECT_EQ(ReadFile(config::kConfigSysPath),
            "DEVICE=HIMEM.SYS\r\nREM FILES=20 was too few\r\nFILES=255\r\n");
  EXPECT_EQ(GetFileAttributesA(config::kConfigSysPath) & (kept | FILE_ATTRIBUTE_SYSTEM), kept);
  EXPECT_EQ(ReadFile(program_dir + "\\HHUPD.EXE.cmdline"), "\"" + program_dir + "\\HHUPD.EXE\" /Q");
  EXPECT_EQ(ReadFile(program_dir + "\\TREGSVR.EXE.cmdline"),
            "\"" + program_dir + "\\TREGSVR.EXE\" -Q \"" + program_dir + "\\CFX32.OCX\"");
  char system_folder[MAX_PATH] = "";
  GetSystemDirectoryA(system_folder, MAX_PATH);
  for (const char* program : {"HHUPD", "TREGSVR"}) {
    EXPECT_EQ(ReadFile(program_dir + "\\" + program + ".EXE.cwd"), system_folder)
        << program << " runs in the system folder, not in the program directory any user may fill";
  }
}

TEST_F(MachineFiles, NoConfigSysIsCreatedWithFilesAndMissingProgramsAreSkipped) {
  TempDir empty;
  TInstallState state;
  state.ProgramDir = empty.File("nothing here");
  DoConfigConfigSys(state);
  EXPECT_EQ(ReadFile(config::kConfigSysPath), "FILES=255\r\n");
}

TEST_F(MachineFiles, FileThatCannotBeReadToItsEndStaysAndIsReportedOnce) {
  const std::string original(5000, 'x');
  WriteFile(config::kConfigSysPath, "FILES=30\r\n" + original);
  HANDLE holder =
      CreateFileA(config::kConfigSysPath, GENERIC_READ | GENERIC_WRITE,
                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(LockFile(holder, 100, 0, 100, 0)) << "reads stop in the middle of the file";

  std::vector<SeenMessage> seen;
  {
    PageHarness harness;
    harness.AnswerMessages(mrOk);
    const config::ConfigSysOutcome outcome =
        config::UpdateConfigSysReported(config::kConfigSysPath);
    EXPECT_TRUE(outcome == config::ConfigSysOutcome::kUnreadable ||
                outcome == config::ConfigSysOutcome::kUnwritable);
    seen = harness.Messages();
  }
  UnlockFile(holder, 100, 0, 100, 0);
  CloseHandle(holder);

  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, "Eroare...");
  EXPECT_NE(seen[0].text.find("Eroare la actualizarea config.sys!"), std::string::npos);
  EXPECT_EQ(ReadFile(config::kConfigSysPath), "FILES=30\r\n" + original);
}
