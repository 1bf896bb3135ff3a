// Answers every message the code under test shows in this process, whether the message dialog
// stands on the system message box or on a form of its own: the handler sees the message's
// text and returns the modal result to close it with. The form under test itself is handed to
// `on_page` when it shows.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "forms/forms.h"

namespace testing_support {

class MessageAnswerer {
 public:
  using Handler = std::function<int(const std::string& text)>;

  MessageAnswerer(TForm* page, std::function<void(TForm&)> on_page, Handler handler)
      : page_(page), on_page_(std::move(on_page)), handler_(std::move(handler)) {
    previous_ = std::move(Application.OnModalShow);
    Application.OnModalShow = [this](TForm& form) {
      if (&form == page_) {
        on_page_(form);
      } else {
        form.SetModalResult(static_cast<TModalResult>(Answer(FormText(form))));
      }
    };
    thread_ = std::thread([this] { Watch(); });
  }
  MessageAnswerer(const MessageAnswerer&) = delete;
  MessageAnswerer& operator=(const MessageAnswerer&) = delete;
  ~MessageAnswerer() {
    stop_ = true;
    thread_.join();
    Application.OnModalShow = std::move(previous_);
  }

  std::vector<std::string> Texts() {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
  }

 private:
  int Answer(const std::string& text) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      texts_.push_back(text);
    }
    return handler_(text);
  }

  static std::string FormText(TWinControl& root) {
    std::string text;
    for (int i = 0; i < root.ControlCount(); ++i) {
      TControl* c = root.Controls(i);
      if (dynamic_cast<TButtonControl*>(c)) continue;
      if (!c->Caption().empty()) text += (text.empty() ? "" : "|") + c->Caption();
      if (c->IsWindowed()) {
        const std::string inner = FormText(*static_cast<TWinControl*>(c));
        if (!inner.empty()) text += (text.empty() ? "" : "|") + inner;
      }
    }
    return text;
  }

  static BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
    char cls[64] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0) {
      char buffer[2048] = "";
      GetWindowTextA(child, buffer, sizeof buffer);
      auto* text = reinterpret_cast<std::string*>(param);
      if (buffer[0]) *text += (text->empty() ? "" : "|") + std::string(buffer);
    }
    return TRUE;
  }

  static BOOL CALLBACK Visit(HWND w, LPARAM param) {
    auto* self = reinterpret_cast<MessageAnswerer*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char cls[64] = "";
    GetClassNameA(w, cls, sizeof cls);
    if (pid == GetCurrentProcessId() && IsWindowVisible(w) && lstrcmpA(cls, "#32770") == 0 &&
        !self->answered_.count(w)) {
      self->answered_.insert(w);
      std::string text;
      EnumChildWindows(w, &CollectStatic, reinterpret_cast<LPARAM>(&text));
      PostMessageA(w, WM_COMMAND, static_cast<WPARAM>(self->Answer(text)), 0);
    }
    return TRUE;
  }

  // The system message box runs its own loop: it is answered from here.
  void Watch() {
    while (!stop_) {
      // A closed box's handle may come back for the next one.
      for (auto it = answered_.begin(); it != answered_.end();)
        it = IsWindow(*it) ? std::next(it) : answered_.erase(it);
      EnumWindows(&Visit, reinterpret_cast<LPARAM>(this));
      Sleep(20);
    }
  }

  TForm* page_;
  std::function<void(TForm&)> on_page_;
  Handler handler_;
  std::function<void(TForm&)> previous_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::string> texts_;
  std::set<HWND> answered_;
  std::thread thread_;
};

}  // namespace testing_support
