// Runs a wizard page modally in the test's own process and drives each window that opens over
// it by its caption; answers the message dialog whichever way it is shown (a form of the
// framework or a system message box) and remembers what it said.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dialog_watcher.h"
#include "form_driver.h"
#include "forms/forms.h"

namespace testing_support {

struct SeenMessage {
  std::string caption;
  std::string text;
};

class PageHarness {
 public:
  using Handler = std::function<void(TForm&)>;

  PageHarness() : watcher_(IDCANCEL) {
    previous_ = std::move(Application.OnModalShow);
    Application.OnModalShow = [this](TForm& form) { Dispatch(form); };
  }
  PageHarness(const PageHarness&) = delete;
  PageHarness& operator=(const PageHarness&) = delete;
  ~PageHarness() { Application.OnModalShow = std::move(previous_); }

  // What to do with each showing of a window of this caption, in turn; a window with nothing
  // left to do is closed, so that a test never hangs.
  void On(const std::string& caption, Handler handler) {
    handlers_[caption].push_back(std::move(handler));
  }

  // Shows the page (the harness frees it) and returns its modal result.
  int Run(TForm* page) {
    std::unique_ptr<TForm> owned(page);
    return page->ShowModal();
  }

  // Messages answered so far, in order.
  std::vector<SeenMessage> Messages() {
    std::vector<SeenMessage> all = form_messages_;
    for (const SeenDialog& d : watcher_.Seen()) all.push_back({d.caption, d.text});
    return all;
  }

 private:
  static void CollectTexts(TWinControl& root, std::string& out) {
    for (int i = 0; i < root.ControlCount(); ++i) {
      TControl* c = root.Controls(i);
      out += c->Caption() + "|";
      if (c->IsWindowed()) CollectTexts(*static_cast<TWinControl*>(c), out);
    }
  }

  void Dispatch(TForm& form) {
    auto it = handlers_.find(form.Caption());
    if (it != handlers_.end() && !it->second.empty()) {
      Handler handler = std::move(it->second.front());
      it->second.erase(it->second.begin());
      handler(form);
      return;
    }
    if (it == handlers_.end()) {
      // A message window: read it and answer Cancel.
      std::string texts;
      CollectTexts(form, texts);
      form_messages_.push_back({form.Caption(), texts});
      form.SetModalResult(mrCancel);
      return;
    }
    form.Close();
  }

  DialogWatcher watcher_;
  std::map<std::string, std::vector<Handler>> handlers_;
  std::vector<SeenMessage> form_messages_;
  std::function<void(TForm&)> previous_;
};

// Saves what the screen shows of a window as NAME.bmp in the folder named by VORT_SHOTS, when
// that is set; the pictures of the documentation come from here.
inline void SaveShot(TWinControl& window, const std::string& name) {
  char folder[MAX_PATH] = "";
  if (!GetEnvironmentVariableA("VORT_SHOTS", folder, sizeof folder)) return;
  const DWORD end = GetTickCount() + 300;
  do {
    Application.ProcessMessages();
    Sleep(10);
  } while (static_cast<int>(end - GetTickCount()) > 0);
  RECT r;
  GetWindowRect(window.Handle(), &r);
  TBitmap shot(r.right - r.left, r.bottom - r.top);
  HDC screen = GetDC(nullptr);
  BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  shot.SaveToFile(std::string(folder) + "\\" + name + ".bmp");
}

}  // namespace testing_support
