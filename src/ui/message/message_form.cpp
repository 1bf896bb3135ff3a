#include "ui/message/message_form.h"

void TMessageForm::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TTitleForm::MouseDown(button, shift, x, y);
  if (OnShortcut) OnShortcut(this, button, shift, x, y);
}

void TMessageForm::CreateParams(TCreateParams& params) {
  TTitleForm::CreateParams(params);
  params.OwnClassName = kMessageWindowClass;
}
