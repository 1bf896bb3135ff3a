#include "wizard/restart_request.h"

#include <windows.h>

namespace {

// Without the right the request fails on NT; on Windows 9x there is no such right to take.
void EnableShutdownRight() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid))
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
  CloseHandle(token);
}

}  // namespace

bool RestartWindows() {
  EnableShutdownRight();
  return ExitWindowsEx(EWX_REBOOT, 0) != 0;
}
