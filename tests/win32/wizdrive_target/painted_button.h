// A button painted by its own window procedure, clicked with the mouse only: the kind of
// control a toolkit draws itself, with its caption as the window text.
#pragma once

#include <windows.h>

namespace wiztarget {

constexpr char kPaintedButtonClass[] = "WizPaintedButton";

// Registers the class; a click sends WM_COMMAND with the control's id to the parent.
void RegisterPaintedButton(HINSTANCE instance);

}  // namespace wiztarget
