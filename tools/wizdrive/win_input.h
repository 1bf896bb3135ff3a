// What a person does with the mouse and the keyboard, sent to another program's windows.
// Everything is posted, so that a click which opens a modal window never blocks the driver.
#pragma once

#include <windows.h>

#include <string>

#include "script.h"
#include "window_tree.h"

namespace wizdrive {

// A push button, radio item or check box is clicked the way the system clicks it; any other
// control gets the mouse pressed and released over its centre.
void ClickControl(const WindowNode& control);

// Moves the pointer over the control's centre and presses and releases the real mouse button,
// after bringing its window to the front; refuses, saying why, when something else lies there.
std::string ClickWithMouse(const WindowNode& control);

// Presses and releases the left mouse button at a point of a window's client area, on the
// deepest control found there.
void ClickAt(HWND window, int x, int y);

// Replaces the contents of an edit field, one character after another.
void TypeInto(HWND edit, const std::string& text);

// Presses a key in the control that has the keyboard focus in the window's thread.
void PressKey(HWND window, const Key& key);

// Asks the window to close, as its close box does.
void AskToClose(HWND window);

}  // namespace wizdrive
