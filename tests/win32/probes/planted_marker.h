// What a program or library left by an ordinary user does when the installer runs or loads it:
// it leaves a line in C:\planted.log naming itself and the program it ran in. Test doubles of an
// attack, never shipped.
#pragma once

#include <windows.h>

#include <string>

inline void LeavePlantedMarker(HMODULE self) {
  char own[MAX_PATH] = "", host[MAX_PATH] = "";
  GetModuleFileNameA(self, own, MAX_PATH);
  GetModuleFileNameA(nullptr, host, MAX_PATH);
  const std::string line = std::string(own) + "\tin\t" + host + "\r\n";
  HANDLE log = CreateFileA("C:\\planted.log", FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(log);
}
