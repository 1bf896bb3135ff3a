// The message window: a title form that passes every mouse press on its body to the message
// shortcuts.
#pragma once

#include "ui/forms/title_form.h"

class TMessageForm : public TTitleForm {
 public:
  explicit TMessageForm(TComponent* owner) : TTitleForm(owner, CreateNew{}) {}

  // Presses on the icon, counted by the shortcuts.
  int32_t ClickCount = 0;
  // Gets each mouse press on the form after its own handling, with the form as the sender.
  TMouseEvent OnShortcut;

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

 protected:
  // A window class of its own, by which outside tools know a message window.
  void CreateParams(TCreateParams& params) override;
};

constexpr char kMessageWindowClass[] = "TMessageForm";
