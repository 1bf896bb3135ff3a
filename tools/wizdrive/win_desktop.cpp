#include "win_desktop.h"

#include <vector>

namespace wizdrive {

namespace {

constexpr UINT kReplyMs = 300;
constexpr LRESULT kLongestText = 8192;

WindowNode Describe(HWND w) {
  WindowNode node;
  node.handle = reinterpret_cast<uintptr_t>(w);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  node.process = pid;
  char cls[256] = "";
  GetClassNameA(w, cls, sizeof cls);
  node.class_name = cls;
  node.text = ReadWindowText(w);
  node.visible = IsWindowVisible(w) != FALSE;
  node.enabled = IsWindowEnabled(w) != FALSE;
  RECT r{};
  GetWindowRect(w, &r);
  node.rect = {r.left, r.top, r.right, r.bottom};
  GetClientRect(w, &r);
  MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
  node.client = {r.left, r.top, r.right, r.bottom};
  if (node.visible) {
    for (HWND c = GetWindow(w, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
      node.children.push_back(Describe(c));
    }
  }
  return node;
}

BOOL CALLBACK CollectTopLevel(HWND w, LPARAM param) {
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid != GetCurrentProcessId() && IsWindowVisible(w)) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(w);
  }
  return TRUE;
}

}  // namespace

namespace {

// Window texts are read wide and kept as UTF-8, as the scripts are written.
std::string Utf8(const std::wstring& text) {
  const int length = static_cast<int>(text.size());
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(CP_UTF8, 0, text.data(), length, out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace

std::string ReadWindowText(HWND window) {
  char cls[256] = "";
  GetClassNameA(window, cls, sizeof cls);
  if (!IsEditClass(cls)) {
    // Kept by the system for windows of other processes: no message, no waiting.
    wchar_t text[kLongestText] = L"";
    GetWindowTextW(window, text, kLongestText);
    return Utf8(text);
  }
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kReplyMs, &length)) {
    return "";
  }
  if (length > static_cast<DWORD_PTR>(kLongestText)) length = kLongestText;
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kReplyMs, &copied)) {
    return "";
  }
  text.resize(copied <= length ? copied : length);
  return Utf8(text);
}

namespace {

// An edit field's answer; Wine's SendMessageTimeoutW returns 0 for an answer of 0, so only a
// failure that says why counts as one.
bool Ask(HWND edit, UINT message, WPARAM w, LRESULT* answer) {
  DWORD_PTR result = 0;
  SetLastError(ERROR_SUCCESS);
  if (!SendMessageTimeoutW(edit, message, w, 0, SMTO_ABORTIFHUNG, kReplyMs, &result) &&
      GetLastError() != ERROR_SUCCESS) {
    return false;
  }
  *answer = static_cast<LRESULT>(result);
  return true;
}

// The top of the line that holds the character, in the client area as it is scrolled now.
bool LineTop(HWND edit, LRESULT index, int* top) {
  LRESULT place = 0;
  if (!Ask(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index), &place) || place == -1) return false;
  *top = static_cast<short>(HIWORD(place));
  return true;
}

// Where the last line that shows a character ends below the client area's top, as if scrolled
// to the first line: the lines are measured by the field itself, in its own font. 0 when the
// field has fewer than two lines (no line height to go by) or does not answer.
int LinesBottom(HWND edit) {
  LRESULT lines = 0, first = 0, start0 = 0, start1 = 0;
  if (!Ask(edit, EM_GETLINECOUNT, 0, &lines) || lines < 2 ||
      !Ask(edit, EM_GETFIRSTVISIBLELINE, 0, &first) || !Ask(edit, EM_LINEINDEX, 0, &start0) ||
      !Ask(edit, EM_LINEINDEX, 1, &start1)) {
    return 0;
  }
  int top0 = 0, top1 = 0;
  if (!LineTop(edit, start0, &top0) || !LineTop(edit, start1, &top1) || top1 <= top0) return 0;
  const int height = top1 - top0;
  for (LRESULT line = lines - 1; line >= 0; --line) {
    LRESULT start = 0, length = 0;
    if (!Ask(edit, EM_LINEINDEX, static_cast<WPARAM>(line), &start) || start < 0 ||
        !Ask(edit, EM_LINELENGTH, static_cast<WPARAM>(start), &length)) {
      return 0;
    }
    if (length == 0) continue;  // an empty line at the end hides nothing
    int top = 0;
    if (!LineTop(edit, start, &top)) return 0;
    return top + static_cast<int>(first) * height + height;
  }
  return 0;
}

}  // namespace

void MeasureLines(WindowNode* window) {
  for (auto& c : window->children) {
    const HWND h = AsHwnd(c.handle);
    const LONG style = GetWindowLongW(h, GWL_STYLE);
    if (c.visible && IsEditClass(c.class_name) && (style & ES_MULTILINE) && !(style & WS_VSCROLL)) {
      c.lines_bottom = LinesBottom(h);
    }
    MeasureLines(&c);
  }
}

Rect ScreenOf(uintptr_t handle) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromWindow(AsHwnd(handle), MONITOR_DEFAULTTONEAREST), &info);
  const RECT& r = info.rcMonitor;
  return {r.left, r.top, r.right, r.bottom};
}

Desktop TakeDesktop() {
  std::vector<HWND> tops;
  EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&tops));
  Desktop desktop;
  for (HWND w : tops) desktop.push_back(Describe(w));
  return desktop;
}

bool IsShown(uintptr_t handle) {
  return handle != 0 && IsWindow(AsHwnd(handle)) && IsWindowVisible(AsHwnd(handle));
}

}  // namespace wizdrive
