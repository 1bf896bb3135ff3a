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
