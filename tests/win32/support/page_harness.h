// Runs a wizard page modally in the test's own process and drives each window that opens over
// it by its caption; answers every other modal window (the message dialog) with Cancel and
// remembers what it said.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

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

  PageHarness() {
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
  const std::vector<SeenMessage>& Messages() const { return messages_; }

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
      messages_.push_back({form.Caption(), texts});
      form.SetModalResult(mrCancel);
      return;
    }
    form.Close();
  }

  std::map<std::string, std::vector<Handler>> handlers_;
  std::vector<SeenMessage> messages_;
  std::function<void(TForm&)> previous_;
};

}  // namespace testing_support
