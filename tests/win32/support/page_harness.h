// The one harness of the page and task tests: runs a page modally in the test's own process,
// acts on each window that opens over it (by caption, or in the order the windows open), and
// answers every other window (the message dialog and the system's message boxes) as the test
// says, remembering what each one said.
#pragma once

#include <windows.h>

#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "form_driver.h"
#include "forms/forms.h"
#include "window_text.h"

namespace testing_support {

struct SeenMessage {
  std::string caption;
  std::string text;         // the texts of its labels and panels, joined by '|'
  bool error_icon = false;  // a system box with the error (hand) icon
};

class PageHarness {
 public:
  using Handler = std::function<void(TForm&)>;
  // The modal result that answers a message, from its text.
  using Answer = std::function<int(const std::string& text)>;

  PageHarness() {
    previous_ = std::move(Application.OnModalShow);
    Application.OnModalShow = [this](TForm& form) { Dispatch(form); };
    // The system message box runs a loop of its own: it is answered from another thread.
    thread_ = std::thread([this] { WatchSystemBoxes(); });
  }
  // With steps for the windows in the order they open.
  explicit PageHarness(std::vector<Handler> steps) : PageHarness() {
    for (Handler& step : steps) Then(std::move(step));
  }
  PageHarness(const PageHarness&) = delete;
  PageHarness& operator=(const PageHarness&) = delete;
  ~PageHarness() {
    stop_ = true;
    thread_.join();
    Application.OnModalShow = std::move(previous_);
  }

  // What to do with each showing of a window of this caption, in turn; a window of that caption
  // with nothing left to do is closed, so that a test never hangs.
  void On(const std::string& caption, Handler handler) {
    handlers_[caption].push_back(std::move(handler));
  }
  // What to do with the next window that no caption claims, in the order the windows open.
  void Then(Handler step) { steps_.push_back(std::move(step)); }
  // How every other window is answered: Cancel unless the test says otherwise.
  void AnswerMessages(Answer answer) { answer_ = std::move(answer); }
  void AnswerMessages(int result) {
    answer_ = [result](const std::string&) { return result; };
  }

  // Shows the page (the harness frees it) and returns its modal result.
  int Run(TForm* page) {
    std::unique_ptr<TForm> owned(page);
    return page->ShowModal();
  }

  // Messages answered so far, in order.
  std::vector<SeenMessage> Messages() {
    std::lock_guard<std::mutex> lock(mutex_);
    return messages_;
  }
  // Windows the handlers and steps acted on.
  int Handled() const { return handled_; }

 private:
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

  int Record(SeenMessage message) {
    const int result = answer_(message.text);
    std::lock_guard<std::mutex> lock(mutex_);
    messages_.push_back(std::move(message));
    return result;
  }

  void Dispatch(TForm& form) {
    auto it = handlers_.find(form.Caption());
    if (it != handlers_.end()) {
      if (it->second.empty()) {
        form.Close();
        return;
      }
      Handler handler = std::move(it->second.front());
      it->second.pop_front();
      ++handled_;
      handler(form);
      return;
    }
    if (!steps_.empty()) {
      Handler step = std::move(steps_.front());
      steps_.pop_front();
      ++handled_;
      step(form);
      return;
    }
    form.SetModalResult(static_cast<TModalResult>(Record({form.Caption(), FormText(form)})));
  }

  static BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
    char cls[64] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") != 0) return TRUE;
    auto* seen = reinterpret_cast<SeenMessage*>(param);
    if (const std::string t = WindowText(child); !t.empty())
      seen->text += (seen->text.empty() ? "" : "|") + t;
    const HICON icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    if (icon && icon == LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_HAND)))
      seen->error_icon = true;
    return TRUE;
  }

  static BOOL CALLBACK Visit(HWND w, LPARAM param) {
    auto* self = reinterpret_cast<PageHarness*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char cls[64] = "";
    GetClassNameA(w, cls, sizeof cls);
    if (pid == GetCurrentProcessId() && IsWindowVisible(w) && lstrcmpA(cls, "#32770") == 0 &&
        !self->answered_.count(w)) {
      self->answered_.insert(w);
      SeenMessage seen{WindowText(w)};
      EnumChildWindows(w, &CollectStatic, reinterpret_cast<LPARAM>(&seen));
      PostMessageA(w, WM_COMMAND, static_cast<WPARAM>(self->Record(std::move(seen))), 0);
    }
    return TRUE;
  }

  void WatchSystemBoxes() {
    while (!stop_) {
      // A closed box's handle may come back for the next one.
      for (auto it = answered_.begin(); it != answered_.end();)
        it = IsWindow(*it) ? std::next(it) : answered_.erase(it);
      EnumWindows(&Visit, reinterpret_cast<LPARAM>(this));
      Sleep(20);
    }
  }

  std::map<std::string, std::deque<Handler>> handlers_;
  std::deque<Handler> steps_;
  Answer answer_ = [](const std::string&) { return mrCancel; };
  std::function<void(TForm&)> previous_;
  int handled_ = 0;
  std::mutex mutex_;
  std::vector<SeenMessage> messages_;
  std::atomic<bool> stop_{false};
  std::set<HWND> answered_;
  std::thread thread_;
};

}  // namespace testing_support
