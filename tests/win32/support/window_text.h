// A window's text as the system keeps it, for tests that read what a window shows.
#pragma once

#include <windows.h>

#include <string>

namespace testing_support {

inline std::string WindowText(HWND window) {
  char buffer[2048] = "";
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

}  // namespace testing_support
