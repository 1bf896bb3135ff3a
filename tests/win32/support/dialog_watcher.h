// Observes the dialogs a test makes its own process show, and answers each one, so that no
// person is ever needed. Runs a thread that looks for new top-level dialog windows: the system's
// boxes (class "#32770") and the toolkit's message windows (class "TMessageForm").
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "window_text.h"

namespace testing_support {

struct SeenDialog {
  std::string caption;
  std::string text;  // the texts of its static controls (or message panel), joined by '|'
  int buttons = 0;
  std::vector<std::string> button_captions;
  bool error_icon = false;  // shows the system's error (hand) icon
};

class DialogWatcher {
 public:
  // `answer` is the command sent to each dialog (IDOK, IDCANCEL, ...): a system box gets it as a
  // command, a message window has the button of that result clicked, or Enter pressed when it
  // has no such button. `process` is the process whose dialogs are watched, this one by default.
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
  static BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
    char cls[64] = "";
    GetClassNameA(child, cls, sizeof cls);
    auto* d = reinterpret_cast<SeenDialog*>(param);
    if (lstrcmpiA(cls, "Static") == 0 || lstrcmpiA(cls, "VortWindow") == 0) {
      const std::string t = WindowText(child);
      if (!t.empty()) d->text += (d->text.empty() ? "" : "|") + t;
      const HICON icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
      if (icon && icon == LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_HAND)))
        d->error_icon = true;
    } else if (lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child)) {
      ++d->buttons;
      d->button_captions.push_back(WindowText(child));
    }
    return TRUE;
  }
  static BOOL CALLBACK Visit(HWND w, LPARAM param) {
    auto* self = reinterpret_cast<DialogWatcher*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char cls[64] = "";
    GetClassNameA(w, cls, sizeof cls);
    const bool system_box = lstrcmpA(cls, "#32770") == 0;
    const bool message = lstrcmpA(cls, "TMessageForm") == 0;
    if (pid == self->process_ && IsWindowVisible(w) && (system_box || message) &&
        !self->answered_.count(w)) {
      SeenDialog d{WindowText(w), ""};
      EnumChildWindows(w, &CollectStatic, reinterpret_cast<LPARAM>(&d));
      {
        std::lock_guard<std::mutex> lock(self->mutex_);
        self->seen_.push_back(d);
      }
      self->answered_.insert(w);
      if (system_box) {
        PostMessageA(w, WM_COMMAND, self->answer_, 0);
      } else if (HWND button = ButtonOf(w, self->answer_)) {
        PostMessageA(button, BM_CLICK, 0, 0);
      } else {
        PostMessageA(w, WM_KEYDOWN, VK_RETURN, 0);
      }
    }
    return TRUE;
  }
  // The caption of the message button that gives each answer.
  static const char* AnswerCaption(int answer) {
    switch (answer) {
      case IDOK:
        return "O&K";
      case IDCANCEL:
        return "&Renunt";
      case IDABORT:
        return "&Abandon";
      case IDRETRY:
        return "&Retry";
      case IDIGNORE:
        return "&Ignora";
      case IDYES:
        return "&Da";
      case IDNO:
        return "&Nu";
      default:
        return "";
    }
  }
  struct ButtonSearch {
    std::string caption;
    HWND found = nullptr;
  };
  static BOOL CALLBACK MatchButton(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ButtonSearch*>(param);
    char cls[64] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child) &&
        WindowText(child) == search->caption) {
      search->found = child;
      return FALSE;
    }
    return TRUE;
  }
  static HWND ButtonOf(HWND dialog, int answer) {
    ButtonSearch search{AnswerCaption(answer)};
    EnumChildWindows(dialog, &MatchButton, reinterpret_cast<LPARAM>(&search));
    return search.found;
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
