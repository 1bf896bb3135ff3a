// Snapshots of the windows other programs show, read without waiting on a busy program.
#pragma once

#include <windows.h>

#include <string>

#include "window_tree.h"

namespace wizdrive {

// The visible top-level windows of every process but this one, topmost first, each with all
// its controls.
Desktop TakeDesktop();

// The text a window shows; an edit field is asked for its contents, waiting at most a moment.
std::string ReadWindowText(HWND window);

inline HWND AsHwnd(uintptr_t handle) {
  return reinterpret_cast<HWND>(handle);
}

// True while the window exists and is visible.
bool IsShown(uintptr_t handle);

// Measures where the lines of the window's multi-line edit fields without a scroll bar end
// (WindowNode::lines_bottom); the snapshot leaves them out, for it asks each field.
void MeasureLines(WindowNode* window);

// The monitor that shows most of the window, or the nearest one.
Rect ScreenOf(uintptr_t handle);

}  // namespace wizdrive
