#include "ui/core/work_area.h"

TaskbarEdge ClassifyTaskbar(const ScreenRect& t, int w, int h) {
  if (t.left <= 0 && t.right >= w && t.bottom >= h) return TaskbarEdge::kBottom;
  if (t.left <= 0 && t.right >= w && t.top <= 0) return TaskbarEdge::kTop;
  if (t.top <= 0 && t.bottom >= h && t.left <= 0) return TaskbarEdge::kLeft;
  if (t.top <= 0 && t.bottom >= h && t.right >= w) return TaskbarEdge::kRight;
  return TaskbarEdge::kBottom;
}

WorkAreaLimits ComputeWorkAreaLimits(const ScreenRect& t, int w, int h) {
  constexpr int kFrame = 6;
  switch (ClassifyTaskbar(t, w, h)) {
    case TaskbarEdge::kLeft:
    case TaskbarEdge::kRight:
      return {w - (t.right - t.left) + kFrame, h + kFrame};
    case TaskbarEdge::kBottom:
    case TaskbarEdge::kTop:
      break;
  }
  return {w + kFrame, h - (t.bottom - t.top) + kFrame};
}
