#include <windows.h>

#include "os/run_and_wait.h"

namespace os {

int32_t RunAndWait(const std::string& command_line, uint16_t show_mode) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show_mode;
  PROCESS_INFORMATION process{};
  std::string command = command_line;  // the system may write into it
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE,
                      CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup,
                      &process)) {
    return -1;
  }
  CloseHandle(process.hThread);
  DWORD exit_code = 0;
  const bool ended = WaitForSingleObject(process.hProcess, INFINITE) == WAIT_OBJECT_0 &&
                     GetExitCodeProcess(process.hProcess, &exit_code);
  CloseHandle(process.hProcess);
  return ended ? static_cast<int32_t>(exit_code) : -1;
}

}  // namespace os
