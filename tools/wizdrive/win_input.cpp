#include "win_input.h"

#include "win_desktop.h"

namespace wizdrive {

namespace {

void PostMouseClick(HWND target, POINT client) {
  POINT screen = client;
  ClientToScreen(target, &screen);
  // Controls that ask where the cursor is find it over themselves.
  SetCursorPos(screen.x, screen.y);
  const LPARAM at = MAKELPARAM(client.x, client.y);
  PostMessageA(target, WM_MOUSEMOVE, 0, at);
  PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(target, WM_LBUTTONUP, 0, at);
}

LPARAM KeyData(UINT code, bool up, bool alt) {
  const UINT scan = MapVirtualKeyA(code, 0 /* MAPVK_VK_TO_VSC */);
  LPARAM data = 1 | (static_cast<LPARAM>(scan & 0xFF) << 16);
  if (alt) data |= 1 << 29;
  if (up) data |= (1 << 30) | (1u << 31);
  return data;
}

}  // namespace

void ClickControl(const WindowNode& control) {
  HWND w = AsHwnd(control.handle);
  if (IsButtonClass(control.class_name)) {
    PostMessageA(w, BM_CLICK, 0, 0);
    return;
  }
  RECT client{};
  GetClientRect(w, &client);
  PostMouseClick(w, POINT{client.right / 2, client.bottom / 2});
}

std::string ClickWithMouse(const WindowNode& control) {
  HWND w = AsHwnd(control.handle);
  SetForegroundWindow(GetAncestor(w, GA_ROOT));
  RECT r{};
  GetWindowRect(w, &r);
  const POINT centre{r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2};
  HWND there = WindowFromPoint(centre);
  if (there != w && !IsChild(w, there)) {
    char text[128] = "";
    GetWindowTextA(there, text, sizeof text);
    return std::string("the control is covered by \"") + text + "\"";
  }
  INPUT input[3] = {};
  for (auto& i : input) i.type = INPUT_MOUSE;
  input[0].mi.dx = MulDiv(centre.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input[0].mi.dy = MulDiv(centre.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  if (SendInput(3, input, sizeof(INPUT)) != 3) return "the system refused the mouse input";
  return "";
}

void ClickAt(HWND window, int x, int y) {
  POINT point{x, y};
  HWND target = window;
  for (;;) {
    HWND child = ChildWindowFromPointEx(target, point, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    if (child == nullptr || child == target) break;
    MapWindowPoints(target, child, &point, 1);
    target = child;
  }
  PostMouseClick(target, point);
}

void TypeInto(HWND edit, const std::string& text) {
  PostMessageA(edit, EM_SETSEL, 0, -1);
  PostMessageA(edit, WM_CHAR, VK_BACK, 1);
  // The script is UTF-8; a window of the wide functions takes each UTF-16 unit as a character.
  const int length = static_cast<int>(text.size());
  std::wstring units(static_cast<size_t>(length), L'\0');
  units.resize(static_cast<size_t>(
      MultiByteToWideChar(CP_UTF8, 0, text.data(), length, units.data(), length)));
  for (wchar_t c : units) PostMessageW(edit, WM_CHAR, c, 1);
}

void PressKey(HWND window, const Key& key) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  HWND target = window;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
      info.hwndFocus != nullptr) {
    target = info.hwndFocus;
  }
  const UINT down = key.alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
  const UINT up = key.alt ? WM_SYSKEYUP : WM_KEYUP;
  if (key.ctrl) PostMessageA(target, WM_KEYDOWN, VK_CONTROL, KeyData(VK_CONTROL, false, false));
  if (key.shift) PostMessageA(target, WM_KEYDOWN, VK_SHIFT, KeyData(VK_SHIFT, false, false));
  PostMessageA(target, down, key.code, KeyData(key.code, false, key.alt));
  PostMessageA(target, up, key.code, KeyData(key.code, true, key.alt));
  if (key.shift) PostMessageA(target, WM_KEYUP, VK_SHIFT, KeyData(VK_SHIFT, true, false));
  if (key.ctrl) PostMessageA(target, WM_KEYUP, VK_CONTROL, KeyData(VK_CONTROL, true, false));
}

void AskToClose(HWND window) {
  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace wizdrive
