// A snapshot of other programs' windows and the rules that pick the window or control an
// action means. Taken from the system on Windows, built by hand in tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "script.h"

namespace wizdrive {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int CentreX() const { return left + (right - left) / 2; }
  int CentreY() const { return top + (bottom - top) / 2; }
};

struct WindowNode {
  uintptr_t handle = 0;
  uint32_t process = 0;
  std::string class_name;
  std::string text;
  bool visible = true;
  bool enabled = true;
  Rect rect;    // on the screen
  Rect client;  // its client area, on the screen
  // A multi-line edit field without a scroll bar: how far below the top of its client area
  // its last line ends, scrolled to the first; 0 when not measured.
  int lines_bottom = 0;
  std::vector<WindowNode> children;  // in the order the system lists them
};

// Top-level windows, topmost first.
using Desktop = std::vector<WindowNode>;

bool IsEditClass(std::string_view class_name);
bool IsButtonClass(std::string_view class_name);

// The first visible top-level window whose caption shows `text`.
const WindowNode* FindWindowByCaption(const Desktop& desktop, std::string_view text);
// The first visible top-level window whose caption or a visible control shows `text`.
const WindowNode* FindWindowShowing(const Desktop& desktop, std::string_view text);
// True when the window's caption or one of its visible controls shows `text`.
bool WindowShows(const WindowNode& window, std::string_view text);

// The control a click on `caption` means.
struct ClickTarget {
  const WindowNode* window = nullptr;   // its top-level window
  const WindowNode* control = nullptr;  // null when none can be clicked now
  std::string problem;  // why not: ambiguous, disabled ... (empty when simply not there)
};
// Looks through the enabled visible top-level windows, topmost first; in the first window
// that has a visible control answering the caption, takes the best answer (exact, then
// without accelerator marks, then containing the text). Several equal answers are ambiguous.
ClickTarget FindClickTarget(const Desktop& desktop, std::string_view caption);

// The edit field named by `field` among the window's visible controls: the n-th edit, or the
// first edit after the control whose caption answers the label.
const WindowNode* FindField(const WindowNode& window, const Field& field, std::string* problem);

// What is out of place in a window as the screen shows it, one line a fault: the window
// reaching off `screen`, a visible control reaching outside its parent's client area or
// overlapping a visible neighbour (unless one is a frame that holds the other whole), a
// multi-line edit field that hides some of its lines.
std::vector<std::string> LayoutFaults(const WindowNode& window, const Rect& screen);

// One line per window: class, quoted text, state and place, indented by depth.
std::string FormatTree(const WindowNode& window);

}  // namespace wizdrive
