// Drives forms of the test's own process as a user would: finds controls by caption or name,
// clicks, types and presses keys through real window messages, and acts on each modal window
// as it opens.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "forms/forms.h"
#include "forms/place_control.h"

namespace testing_support {

// A new control of type T on `parent` at the given place, owned and freed by it.
template <class T>
T* Place(TWinControl& parent, int left, int top, int width, int height) {
  return PlaceControl<T>(&parent, &parent, "", left, top, width, height);
}

inline TControl* FindControlIf(TWinControl& root, const std::function<bool(TControl&)>& pred) {
  for (int i = 0; i < root.ControlCount(); ++i) {
    TControl* c = root.Controls(i);
    if (pred(*c)) return c;
    if (c->IsWindowed())
      if (TControl* found = FindControlIf(*static_cast<TWinControl*>(c), pred)) return found;
  }
  return nullptr;
}

// By caption, with or without its accelerator mark.
inline TControl* FindByCaption(TWinControl& root, const std::string& caption) {
  return FindControlIf(root, [&](TControl& c) {
    const std::string text = c.Caption();
    return text == caption || StripAccel(text) == caption;
  });
}

inline TControl* FindByName(TWinControl& root, const std::string& name) {
  return FindControlIf(root,
                       [&](TControl& c) { return lstrcmpiA(c.Name().c_str(), name.c_str()) == 0; });
}

// Buttons get BM_CLICK, other controls a left press and release at their centre. False when
// the control is missing, hidden or disabled, as it would be for a user.
inline bool Click(TControl* c) {
  if (!c || !c->Showing() || !c->Enabled()) return false;
  if (auto* b = dynamic_cast<TButtonControl*>(c)) {
    SendMessageA(b->Handle(), BM_CLICK, 0, 0);
    return true;
  }
  TWinControl* target = c->IsWindowed() ? static_cast<TWinControl*>(c) : c->Parent();
  const int x = c->IsWindowed() ? c->Width() / 2 : c->Left() + c->Width() / 2;
  const int y = c->IsWindowed() ? c->Height() / 2 : c->Top() + c->Height() / 2;
  SendMessageA(target->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(target->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  return true;
}

inline bool ClickCaption(TWinControl& root, const std::string& caption) {
  return Click(FindByCaption(root, caption));
}

// Replaces the text of an edit by typing it, one character message at a time.
inline void TypeText(TWinControl* edit, const std::string& text) {
  edit->SetFocus();
  SendMessageA(edit->Handle(), EM_SETSEL, 0, -1);
  SendMessageA(edit->Handle(), WM_CHAR, VK_BACK, 1);
  for (char ch : text) SendMessageA(edit->Handle(), WM_CHAR, static_cast<unsigned char>(ch), 1);
}

// Queues a key press for the focused window; it passes through the message loop like a real one.
inline void PressKey(WORD vk) {
  HWND focus = GetFocus();
  PostMessageA(focus, WM_KEYDOWN, vk, 1);
  PostMessageA(focus, WM_KEYUP, vk, 0xC0000001);
}

// Alt + a letter, as the system delivers it.
inline void PressAlt(char letter) {
  PostMessageA(GetFocus(), WM_SYSCHAR, static_cast<unsigned char>(letter), 1 << 29);
}

// Runs one step per modal window, in the order the windows open; a window beyond the script is
// cancelled so that a test never hangs.
class ModalScript {
 public:
  using Step = std::function<void(TForm&)>;
  explicit ModalScript(std::vector<Step> steps) : steps_(steps.begin(), steps.end()) {
    previous_ = std::move(Application.OnModalShow);
    Application.OnModalShow = [this](TForm& form) {
      ++seen_;
      if (steps_.empty()) {
        form.Close();
        return;
      }
      Step step = std::move(steps_.front());
      steps_.pop_front();
      step(form);
    };
  }
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;
  ~ModalScript() { Application.OnModalShow = std::move(previous_); }
  int Seen() const { return seen_; }
  bool Done() const { return steps_.empty(); }

 private:
  std::deque<Step> steps_;
  std::function<void(TForm&)> previous_;
  int seen_ = 0;
};

}  // namespace testing_support
