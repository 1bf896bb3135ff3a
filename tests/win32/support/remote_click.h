// Clicks a push button of another program's window, as a person would, for tests that start
// the program as a process.
#pragma once

#include <windows.h>

#include <string>

namespace testing_support {

namespace remote_click_detail {

struct Search {
  const std::string* window_caption;
  const std::string* button_caption;
  HWND button = nullptr;
};

inline BOOL CALLBACK FindButton(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  char cls[32] = "", text[256] = "";
  GetClassNameA(child, cls, sizeof cls);
  GetWindowTextA(child, text, sizeof text);
  if (lstrcmpiA(cls, "Button") == 0 && *search->button_caption == text && IsWindowVisible(child) &&
      IsWindowEnabled(child)) {
    search->button = child;
    return FALSE;
  }
  return TRUE;
}

inline BOOL CALLBACK FindWindowWithButton(HWND top, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  char text[256] = "";
  GetWindowTextA(top, text, sizeof text);
  if (IsWindowVisible(top) && *search->window_caption == text) {
    EnumChildWindows(top, &FindButton, param);
  }
  return search->button ? FALSE : TRUE;
}

}  // namespace remote_click_detail

// Waits for a visible window titled `window_caption` with an enabled button `button_caption`
// and clicks it. False when none appeared within the time.
inline bool ClickWhenShown(const std::string& window_caption, const std::string& button_caption,
                           DWORD timeout_ms = 20000) {
  for (DWORD waited = 0; waited < timeout_ms; waited += 50) {
    remote_click_detail::Search search{&window_caption, &button_caption};
    EnumWindows(&remote_click_detail::FindWindowWithButton, reinterpret_cast<LPARAM>(&search));
    if (search.button) {
      PostMessageA(search.button, BM_CLICK, 0, 0);
      return true;
    }
    Sleep(50);
  }
  return false;
}

}  // namespace testing_support
