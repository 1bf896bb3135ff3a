#include <windows.h>

#include <optional>

#include "os/run_and_wait.h"
#include "os/text_encoding.h"

namespace os {

namespace {

// The started process, or nothing when the command line is no text or cannot be started.
std::optional<PROCESS_INFORMATION> Start(const std::string& command_line, uint16_t show_mode,
                                         DWORD flags, const std::string& current_folder = {}) {
  std::optional<std::wstring> command = Wide(command_line);  // the system may write into it
  const std::optional<std::wstring> folder = Wide(current_folder);
  if (!command || !folder) return std::nullopt;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show_mode;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command->data(), nullptr, nullptr, FALSE,
                      flags | NORMAL_PRIORITY_CLASS, nullptr,
                      folder->empty() ? nullptr : folder->c_str(), &startup, &process)) {
    return std::nullopt;
  }
  CloseHandle(process.hThread);
  return process;
}

}  // namespace

int32_t RunAndWait(const std::string& command_line, uint16_t show_mode,
                   const std::string& current_folder) {
  const std::optional<PROCESS_INFORMATION> process =
      Start(command_line, show_mode, CREATE_NEW_CONSOLE, current_folder);
  if (!process) return -1;
  DWORD exit_code = 0;
  const bool ended = WaitForSingleObject(process->hProcess, INFINITE) == WAIT_OBJECT_0 &&
                     GetExitCodeProcess(process->hProcess, &exit_code);
  CloseHandle(process->hProcess);
  return ended ? static_cast<int32_t>(exit_code) : -1;
}

bool StartProgram(const std::string& command_line, uint16_t show_mode) {
  const std::optional<PROCESS_INFORMATION> process = Start(command_line, show_mode, 0);
  if (!process) return false;
  CloseHandle(process->hProcess);
  return true;
}

bool StartProgramUntilIdle(const std::string& command_line, uint16_t show_mode,
                           const std::string& current_folder, uint32_t idle_limit_ms) {
  const std::optional<PROCESS_INFORMATION> process =
      Start(command_line, show_mode, 0, current_folder);
  if (!process) return false;
  WaitForInputIdle(process->hProcess, idle_limit_ms);
  CloseHandle(process->hProcess);
  return true;
}

}  // namespace os
