// The registration helpers: how they record their starts, and TREGSVR registering CFX32.OCX.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "support/process.h"
#include "support/temp_dir.h"

namespace {

using testing_support::BinDir;
using testing_support::TempDir;

constexpr char kServerKey[] = "CLSID\\{6F3C1A52-9D4E-4B7A-8E21-5C0D7A3B9F14}\\InprocServer32";

// Runs a command line in a given working directory; the exit code or -1.
int RunIn(const std::string& command_line, const std::string& work_dir) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWMINNOACTIVE;
  PROCESS_INFORMATION pi{};
  std::string cmd = command_line;
  if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0x30, nullptr, work_dir.c_str(),
                      &si, &pi))
    return -1;
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(pi.hProcess, 60000) == WAIT_OBJECT_0)
    GetExitCodeProcess(pi.hProcess, &code);
  else
    TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return static_cast<int>(code);
}

std::string RegisteredServer() {
  char value[MAX_PATH] = {};
  LONG size = sizeof value;
  if (RegQueryValueA(HKEY_CLASSES_ROOT, kServerKey, value, &size) != ERROR_SUCCESS) return "";
  return value;
}

class RegistrationHelpers : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"TREGSVR.EXE", "HHUPD.EXE", "CFX32.OCX"})
      ASSERT_TRUE(CopyFileA((BinDir() + name).c_str(), (program_ + name).c_str(), FALSE));
  }

  TempDir dir_;
  // A program directory with a blank, as under Program Files.
  std::string program_ = [this] {
    CreateDirectoryA(dir_.File("Win Vort").c_str(), nullptr);
    return dir_.File("Win Vort") + "\\";
  }();
};

TEST_F(RegistrationHelpers, TregsvrRegistersAndUnregistersTheControl) {
  const std::string ocx = program_ + "CFX32.OCX";
  const std::string quoted = "\"" + program_ + "TREGSVR.EXE\" -Q \"" + ocx + "\"";
  ASSERT_EQ(RunIn(quoted, dir_.str()), 0);
  EXPECT_EQ(RegisteredServer(), ocx);

  const std::string traced = dir_.Read("Win Vort\\TREGSVR.TRC");
  EXPECT_EQ(traced, quoted + "\t" + dir_.path().string() + "\r\n");
  EXPECT_EQ(dir_.Read("Win Vort\\CFX32.TRC").rfind("DllRegisterServer\t" + quoted + "\t", 0), 0u);

  ASSERT_EQ(RunIn("\"" + program_ + "TREGSVR.EXE\" -Q -U " + ocx, program_), 0)
      << "an unquoted path with blanks still names the control";
  EXPECT_EQ(RegisteredServer(), "");
}

TEST_F(RegistrationHelpers, TregsvrReportsWhatWentWrong) {
  const std::string tregsvr = "\"" + program_ + "TREGSVR.EXE\" ";
  EXPECT_EQ(RunIn(tregsvr + "-Q \"" + program_ + "MISSING.OCX\"", program_), 3);
  ASSERT_TRUE(
      CopyFileA((BinDir() + "IDAPI32.DLL").c_str(), (program_ + "NOREG.OCX").c_str(), FALSE));
  EXPECT_EQ(RunIn(tregsvr + "-Q \"" + program_ + "NOREG.OCX\"", program_), 4);
  EXPECT_EQ(RunIn(tregsvr + "-Q", program_), 2);
  EXPECT_EQ(RunIn(tregsvr + "-Q -Z x.ocx", program_), 2);
}

TEST_F(RegistrationHelpers, HhupdRecordsEachStart) {
  const std::string command = "\"" + program_ + "HHUPD.EXE\" /Q";
  EXPECT_EQ(RunIn(command, dir_.str()), 0);
  EXPECT_EQ(RunIn(command + " again", program_), 0);
  std::string working = program_;
  working.pop_back();
  EXPECT_EQ(dir_.Read("Win Vort\\HHUPD.TRC"), command + "\t" + dir_.path().string() + "\r\n" +
                                                  command + " again\t" + working + "\r\n");
}

}  // namespace
