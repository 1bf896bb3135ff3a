// Reads back what a window shows: its client area copied from the screen after it has painted.
#pragma once

#include <windows.h>

#include "forms/forms.h"

namespace testing_support {

// Lets pending paints and timers run for about `ms` milliseconds.
inline void Pump(int ms = 60) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  do {
    Application.ProcessMessages();
    Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

inline TBitmap Grab(TWinControl& control) {
  control.Repaint();
  Pump(30);
  TBitmap shot(control.ClientWidth(), control.ClientHeight());
  HDC dc = GetDC(control.Handle());
  BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), dc, 0, 0, SRCCOPY);
  ReleaseDC(control.Handle(), dc);
  return shot;
}

// Columns (or rows) holding at least one pixel of `colour` inside `area`.
struct Extent {
  int first = -1, last = -1;
  int count = 0;
};
inline Extent ColumnsOf(const TBitmap& b, TColor colour, const TRect& area) {
  Extent e;
  for (int x = area.Left; x < area.Right; ++x)
    for (int y = area.Top; y < area.Bottom; ++y)
      if (b.Pixel(x, y) == colour) {
        if (e.first < 0) e.first = x;
        e.last = x;
        ++e.count;
        break;
      }
  return e;
}
inline Extent RowsOf(const TBitmap& b, TColor colour, const TRect& area) {
  Extent e;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (b.Pixel(x, y) == colour) {
        if (e.first < 0) e.first = y;
        e.last = y;
        ++e.count;
        break;
      }
  return e;
}

}  // namespace testing_support
