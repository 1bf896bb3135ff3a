// What the page tests share: the toolkit running around a test, keys with Alt held, waiting for
// another process's files, and pictures of a page for the documentation.
#pragma once

#include <windows.h>

#include <string>

#include "forms/forms.h"
#include "ui/toolkit.h"

namespace testing_support {

struct ToolkitScope {
  ToolkitScope() { StartToolkit(); }
  ~ToolkitScope() { StopToolkit(); }
};

// A key pressed with Alt held, through the message loop as the system delivers it: the
// thread's key state says Alt is down while the key's messages are handled. The keys go to the
// focused window, or to `window` when nothing has the focus.
inline void PressWithAlt(WORD vk, HWND window) {
  BYTE keys[256];
  GetKeyboardState(keys);
  const BYTE alt = keys[VK_MENU];
  keys[VK_MENU] = 0x80;
  SetKeyboardState(keys);
  HWND focus = GetFocus() ? GetFocus() : window;
  PostMessageA(focus, WM_SYSKEYDOWN, vk, 1 | (1 << 29));
  PostMessageA(focus, WM_SYSKEYUP, vk, 1 | (1 << 29) | (3u << 30));
  Application.ProcessMessages();
  keys[VK_MENU] = alt;
  SetKeyboardState(keys);
}

// Polls `ready` for up to ten seconds.
template <class Ready>
bool WaitUntil(Ready ready) {
  for (int i = 0; i < 100; ++i) {
    if (ready()) return true;
    Sleep(100);
  }
  return ready();
}

// With VORT_PAGE_SHOTS naming a directory, saves what the screen shows of `form` there as
// `name`.bmp.
inline void SavePageShot(TForm& form, const std::string& name) {
  char dir[MAX_PATH] = "";
  if (GetEnvironmentVariableA("VORT_PAGE_SHOTS", dir, MAX_PATH) == 0) return;
  const DWORD end = GetTickCount() + 300;
  while (static_cast<int>(end - GetTickCount()) > 0) {
    Application.ProcessMessages();
    Sleep(10);
  }
  RECT r;
  GetWindowRect(form.Handle(), &r);
  TBitmap shot(r.right - r.left, r.bottom - r.top);
  HDC screen = GetDC(nullptr);
  BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  shot.SaveToFile(std::string(dir) + "\\" + name + ".bmp");
}

}  // namespace testing_support
