// The largest size a sizeable window may take: the screen less the taskbar, plus the frame that
// a maximised window hides beyond the screen edges.
#pragma once

enum class TaskbarEdge { kBottom, kTop, kLeft, kRight };

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The edge the taskbar rectangle sits on; an all-zero rectangle (no taskbar) or one that fits no
// edge counts as bottom.
TaskbarEdge ClassifyTaskbar(const ScreenRect& taskbar, int screen_width, int screen_height);

struct WorkAreaLimits {
  int width;
  int height;
};
WorkAreaLimits ComputeWorkAreaLimits(const ScreenRect& taskbar, int screen_width,
                                     int screen_height);
