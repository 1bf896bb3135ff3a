#include "painted_button.h"

namespace wiztarget {

namespace {

LRESULT CALLBACK PaintedButtonProc(HWND w, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(w, &ps);
      RECT r;
      GetClientRect(w, &r);
      FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
      DrawEdge(dc, &r, GetCapture() == w ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
      char text[128] = "";
      GetWindowTextA(w, text, sizeof text);
      SetBkMode(dc, TRANSPARENT);
      DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      EndPaint(w, &ps);
      return 0;
    }
    case WM_LBUTTONDOWN:
      SetCapture(w);
      InvalidateRect(w, nullptr, TRUE);
      return 0;
    case WM_LBUTTONUP: {
      if (GetCapture() != w) return 0;
      ReleaseCapture();
      InvalidateRect(w, nullptr, TRUE);
      RECT r;
      GetClientRect(w, &r);
      const POINT p{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      if (PtInRect(&r, p)) {
        SendMessageA(GetParent(w), WM_COMMAND, GetDlgCtrlID(w), reinterpret_cast<LPARAM>(w));
      }
      return 0;
    }
  }
  return DefWindowProcA(w, message, wparam, lparam);
}

}  // namespace

void RegisterPaintedButton(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &PaintedButtonProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kPaintedButtonClass;
  RegisterClassA(&wc);
}

}  // namespace wiztarget
