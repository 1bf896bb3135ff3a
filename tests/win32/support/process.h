// Starts a program of the build beside the test and waits for it.
#pragma once

#include <windows.h>

#include <string>

namespace testing_support {

// Directory of the running test program, with a trailing backslash.
inline std::string BinDir() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p(path, n);
  return p.substr(0, p.find_last_of('\\') + 1);
}

// A started program; Wait() runs it to its end.
class Process {
 public:
  explicit Process(const std::string& command_line) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string cmd = command_line;
    started_ = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &si, &pi_) != 0;
  }
  ~Process() {
    if (started_) {
      CloseHandle(pi_.hThread);
      CloseHandle(pi_.hProcess);
    }
  }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  DWORD id() const { return started_ ? pi_.dwProcessId : 0; }
  // The exit code, or -1 when it did not start or did not end in time (it is then ended).
  int Wait(DWORD timeout_ms = 60000) {
    if (!started_) return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(pi_.hProcess, timeout_ms) == WAIT_OBJECT_0) {
      GetExitCodeProcess(pi_.hProcess, &code);
    } else {
      TerminateProcess(pi_.hProcess, 1);
    }
    return static_cast<int>(code);
  }

 private:
  bool started_ = false;
  PROCESS_INFORMATION pi_{};
};

// Runs a command line to its end; returns the exit code or -1.
inline int RunProcess(const std::string& command_line, DWORD timeout_ms = 60000) {
  return Process(command_line).Wait(timeout_ms);
}

}  // namespace testing_support
