#include "ui/controls/flat_border.h"

#include "forms/graphics.h"

void DrawFlatBorder(HWND window, const FlatBorderLook& look) {
  RECT wr;
  if (!GetWindowRect(window, &wr)) return;
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  {
    TCanvas canvas(dc);
    TRect r{0, 0, wr.right - wr.left, wr.bottom - wr.top};
    if (look.bevel == bvRaised) {
      Frame3D(canvas, r, clBtnHighlight, clBtnShadow, 1);
    } else if (look.bevel == bvLowered) {
      Frame3D(canvas, r, clBtnShadow, clBtnHighlight, 1);
    } else {
      Frame3D(canvas, r, look.frame, look.frame, 1);
    }
    Frame3D(canvas, r, look.inner, look.inner, 1);
  }
  ReleaseDC(window, dc);
}
