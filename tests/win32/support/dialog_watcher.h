// Observes the dialogs a test makes its own process show, and answers each one, so that no
// person is ever needed. Runs a thread that looks for new top-level dialog windows.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

struct SeenDialog {
  std::string caption;
  std::string text;  // the texts of its static controls, joined by '|'
  int buttons = 0;
  bool error_icon = false;  // shows the system's error (hand) icon
};

class DialogWatcher {
 public:
  // `answer` is the command sent to each dialog (IDOK, IDCANCEL, ...); `process` is the process
  // whose dialogs are watched, this one by default.
  explicit DialogWatcher(int answer = IDOK, DWORD process = GetCurrentProcessId())
      : answer_(answer), process_(process), thread_([this] { Run(); }) {}
  ~DialogWatcher() {
    stop_ = true;
    thread_.join();
  }
  std::vector<SeenDialog> Seen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
  }

 private:
  static std::string WindowText(HWND w) {
    char buffer[1024] = "";
    GetWindowTextA(w, buffer, sizeof buffer);
    return buffer;
  }
  static BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
    char cls[64] = "";
    GetClassNameA(child, cls, sizeof cls);
    auto* d = reinterpret_cast<SeenDialog*>(param);
    if (lstrcmpiA(cls, "Static") == 0) {
      const std::string t = WindowText(child);
      if (!t.empty()) d->text += (d->text.empty() ? "" : "|") + t;
      const HICON icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
      if (icon && icon == LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_HAND)))
        d->error_icon = true;
    } else if (lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child)) {
      ++d->buttons;
    }
    return TRUE;
  }
  static BOOL CALLBACK Visit(HWND w, LPARAM param) {
    auto* self = reinterpret_cast<DialogWatcher*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char cls[64] = "";
    GetClassNameA(w, cls, sizeof cls);
    if (pid == self->process_ && IsWindowVisible(w) && lstrcmpA(cls, "#32770") == 0 &&
        !self->answered_.count(w)) {
      SeenDialog d{WindowText(w), ""};
      EnumChildWindows(w, &CollectStatic, reinterpret_cast<LPARAM>(&d));
      {
        std::lock_guard<std::mutex> lock(self->mutex_);
        self->seen_.push_back(d);
      }
      self->answered_.insert(w);
      PostMessageA(w, WM_COMMAND, self->answer_, 0);
    }
    return TRUE;
  }
  void Run() {
    while (!stop_) {
      EnumWindows(&Visit, reinterpret_cast<LPARAM>(this));
      Sleep(20);
    }
  }

  int answer_;
  DWORD process_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<SeenDialog> seen_;
  std::set<HWND> answered_;
  std::thread thread_;
};

}  // namespace testing_support
