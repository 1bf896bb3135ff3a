#include "ui/message_form.h"

void TMessageForm::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TTitleForm::MouseDown(button, shift, x, y);
  if (OnShortcut) OnShortcut(this, button, shift, x, y);
}
