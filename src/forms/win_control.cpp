#include "forms/win_control.h"

#include <windowsx.h>

#include <algorithm>
#include <set>

#include "forms/application.h"
#include "forms/form.h"
#include "forms/keyboard.h"
#include "os/text_encoding.h"

namespace {

constexpr wchar_t kObjectProp[] = L"VortControl";
constexpr char kWindowClass[] = "VortWindow";

void RegisterWindowClass(WNDPROC proc, const std::string& name) {
  static std::set<std::string> registered;
  if (registered.count(name)) return;
  const std::wstring wide_name = os::WideShown(name);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = wide_name.c_str();
  if (RegisterClassExW(&wc) != 0) registered.insert(name);
}

// The window being created, so that the class procedure knows its object from the first
// message on (some arrive before WM_NCCREATE).
thread_local TWinControl* g_creating = nullptr;

UINT NextControlId() {
  static UINT next = 100;
  return next++;
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner), id_(NextControlId()) {}

TWinControl::~TWinControl() {
  MarkDestroying();
  DestroyComponents();
  for (TControl* c : controls_) c->parent_ = nullptr;
  controls_.clear();
  mouse_control_ = capture_control_ = nullptr;
  TForm::ForgetControl(this);
  DestroyWnd();
}

TWinControl* TWinControl::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<TWinControl*>(GetPropW(hwnd, kObjectProp)) : nullptr;
}

TWinControl* TWinControl::FindControl(HWND hwnd) {
  for (; hwnd; hwnd = GetParent(hwnd))
    if (TWinControl* c = FromHandle(hwnd)) return c;
  return nullptr;
}

HWND TWinControl::Handle() {
  if (!handle_ && !creating_) CreateWnd();
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& p) {
  p.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (visible_) p.Style |= WS_VISIBLE;
  if (!enabled_) p.Style |= WS_DISABLED;
  if (TabStop) p.Style |= WS_TABSTOP;
}

bool TWinControl::SelfPainted() const {
  if (handle_) return default_proc_ == nullptr;
  TCreateParams p;
  const_cast<TWinControl*>(this)->CreateParams(p);
  return p.WinClassName.empty();
}

void TWinControl::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  if (p.Style & WS_CHILD) {
    if (!parent_) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
    p.WndParent = parent_->Handle();
    if (!p.WndParent) return;
  }
  const bool own_class = p.WinClassName.empty();
  const std::string class_name = !own_class               ? p.WinClassName
                                 : p.OwnClassName.empty() ? std::string(kWindowClass)
                                                          : p.OwnClassName;
  if (own_class) {
    RegisterWindowClass(&TWinControl::WindowProc, class_name);
    p.Style |= WS_CLIPCHILDREN;
  }
  creating_ = true;
  g_creating = own_class ? this : nullptr;
  HWND h = CreateWindowExW(
      p.ExStyle, os::WideShown(class_name).c_str(), os::WideShown(text_).c_str(), p.Style, left_,
      top_, width_, height_, p.WndParent,
      (p.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id_)) : nullptr,
      GetModuleHandleW(nullptr), nullptr);
  g_creating = nullptr;
  creating_ = false;
  if (!h) throw EInvalidOperation("Cannot create a window for '" + Name() + "'");
  if (!handle_) Attach(h);
  if (!own_class) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
  // The system may have adjusted the size (combo boxes, top-level minimums).
  RECT wr;
  GetWindowRect(h, &wr);
  if (wr.right - wr.left != width_ || wr.bottom - wr.top != height_) {
    width_ = wr.right - wr.left;
    height_ = wr.bottom - wr.top;
  }
  InitWindow();
  for (TControl* c : controls_)
    if (c->IsWindowed()) static_cast<TWinControl*>(c)->HandleNeeded();
  Realign();
}

void TWinControl::Attach(HWND hwnd) {
  handle_ = hwnd;
  SetPropW(hwnd, kObjectProp, this);
  const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
  if (current != &TWinControl::WindowProc) {
    default_proc_ = current;
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::WindowProc));
  }
}

void TWinControl::Detach() {
  if (!handle_) return;
  RemovePropW(handle_, kObjectProp);
  if (default_proc_)
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(default_proc_));
  default_proc_ = nullptr;
  handle_ = nullptr;
  mouse_inside_ = false;
}

void TWinControl::DestroyWnd() {
  if (!handle_) return;
  if (!SelfPainted()) text_ = GetText();
  for (TControl* c : controls_)
    if (c->IsWindowed()) {
      auto* w = static_cast<TWinControl*>(c);
      if (w->handle_ && !w->SelfPainted()) w->text_ = w->GetText();
    }
  DestroyWindow(handle_);
  Detach();  // in case the window outlived the call
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  const bool had_focus = Focused();
  DestroyWnd();
  HandleNeeded();
  if (had_focus && handle_) ::SetFocus(handle_);
}

LRESULT CALLBACK TWinControl::WindowProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  TWinControl* c = FromHandle(hwnd);
  if (!c && g_creating) {
    c = g_creating;
    g_creating = nullptr;
    c->Attach(hwnd);
  }
  if (!c) return DefWindowProcW(hwnd, msg, w, l);
  return c->Dispatch(msg, w, l);
}

LRESULT TWinControl::Dispatch(UINT msg, WPARAM w, LPARAM l) {
  TMessage m{msg, w, l, 0};
  if (msg == WM_NCDESTROY) {
    DefaultHandler(m);
    Detach();
    return m.Result;
  }
  try {
    WndProc(m);
  } catch (...) {
    Application.HandleException(std::current_exception());
  }
  return m.Result;
}

void TWinControl::DefaultHandler(TMessage& m) {
  m.Result = default_proc_ ? CallWindowProcW(default_proc_, handle_, m.Msg, m.WParam, m.LParam)
                           : DefWindowProcW(handle_, m.Msg, m.WParam, m.LParam);
}

LRESULT TWinControl::Perform(UINT msg, WPARAM w, LPARAM l) {
  if (handle_) return SendMessageW(handle_, msg, w, l);
  TMessage m{msg, w, l, 0};
  WndProc(m);
  return m.Result;
}

namespace {

// Ends a paint even when a handler fails, so that the region does not stay invalid.
struct PaintScope {
  HWND hwnd;
  PAINTSTRUCT ps{};
  HDC dc;
  explicit PaintScope(HWND h) : hwnd(h), dc(BeginPaint(h, &ps)) {}
  ~PaintScope() { EndPaint(hwnd, &ps); }
};

struct MemoryDC {
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
  MemoryDC(HDC screen, int w, int h)
      : dc(CreateCompatibleDC(screen)),
        bitmap(CreateCompatibleBitmap(screen, std::max(w, 1), std::max(h, 1))),
        old(SelectObject(dc, bitmap)) {}
  ~MemoryDC() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
};

TMouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return mbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return mbMiddle;
    default:
      return mbLeft;
  }
}

TShiftState MouseShift(WPARAM w) {
  TShiftState s = 0;
  if (w & MK_SHIFT) s |= ssShift;
  if (w & MK_CONTROL) s |= ssCtrl;
  if (w & MK_LBUTTON) s |= ssLeft;
  if (w & MK_RBUTTON) s |= ssRight;
  if (w & MK_MBUTTON) s |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

}  // namespace

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (SelfPainted()) {
        PaintScope paint(handle_);
        if (DoubleBuffered) {
          RECT cr;
          GetClientRect(handle_, &cr);
          MemoryDC mem(paint.dc, cr.right, cr.bottom);
          PaintWindow(mem.dc);
          BitBlt(paint.dc, 0, 0, cr.right, cr.bottom, mem.dc, 0, 0, SRCCOPY);
        } else {
          PaintWindow(paint.dc);
        }
        return;
      }
      break;
    case WM_PRINTCLIENT:
      if (SelfPainted()) {
        PaintWindow(reinterpret_cast<HDC>(m.WParam));
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (SelfPainted()) {
        m.Result = 1;
        return;
      }
      break;
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(m);
      UpdateBoundsFrom(*reinterpret_cast<WINDOWPOS*>(m.LParam));
      return;
    case WM_SETFOCUS:
      DefaultHandler(m);
      if (TForm* form = GetParentForm(this)) form->FocusChanged(this);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      auto key = static_cast<uint16_t>(m.WParam);
      KeyDown(key, KeyboardShift());
      if (key == 0) return;
      m.WParam = key;
      break;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      auto key = static_cast<uint16_t>(m.WParam);
      KeyUp(key, KeyboardShift());
      if (key == 0) return;
      m.WParam = key;
      break;
    }
    case WM_CHAR: {
      // The key handlers see ASCII; any other character goes to the control as typed.
      if (m.WParam >= 0x80) break;
      char ch = static_cast<char>(m.WParam);
      KeyPress(ch);
      if (ch == 0) return;
      m.WParam = static_cast<unsigned char>(ch);
      break;
    }
    case WM_SETCURSOR: {
      if (Screen.Cursor() != crDefault) {
        ::SetCursor(CursorHandle(Screen.Cursor()));
        m.Result = TRUE;
        return;
      }
      if (LOWORD(m.LParam) == HTCLIENT && reinterpret_cast<HWND>(m.WParam) == handle_) {
        POINT pt;
        GetCursorPos(&pt);
        ::ScreenToClient(handle_, &pt);
        const TControl* over = ControlAtPos({pt.x, pt.y});
        const TCursor c = over && over->Cursor != crDefault ? over->Cursor : Cursor;
        if (c != crDefault) {
          ::SetCursor(CursorHandle(c));
          m.Result = TRUE;
          return;
        }
      }
      break;
    }
    case WM_MOUSELEAVE:
      mouse_inside_ = false;
      if (mouse_control_) {
        TControl* c = mouse_control_;
        mouse_control_ = nullptr;
        c->MouseLeave();
      }
      MouseLeave();
      break;
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      if (HandleNotification(m)) return;
      break;
    default:
      if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MBUTTONDBLCLK && HandleMouse(m)) return;
      break;
  }
  DefaultHandler(m);
}

bool TWinControl::HandleMouse(TMessage& m) {
  const TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  const TShiftState shift = MouseShift(m.WParam);
  switch (m.Msg) {
    case WM_MOUSEMOVE: {
      if (!mouse_inside_) {
        mouse_inside_ = true;
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, handle_, 0};
        TrackMouseEvent(&tme);
        MouseEnter();
      }
      TControl* target = capture_control_ ? capture_control_ : ControlAtPos(p);
      if (!capture_control_ && target != mouse_control_) {
        TControl* old = mouse_control_;
        mouse_control_ = target;
        if (old) old->MouseLeave();
        if (target) target->MouseEnter();
      }
      if (target) {
        target->MouseMove(shift, p.X - target->left_, p.Y - target->top_);
        return true;
      }
      MouseMove(shift, p.X, p.Y);
      return false;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
      const bool dbl =
          m.Msg == WM_LBUTTONDBLCLK || m.Msg == WM_RBUTTONDBLCLK || m.Msg == WM_MBUTTONDBLCLK;
      const TShiftState s = shift | (dbl ? ssDouble : 0);
      if (TControl* target = ControlAtPos(p)) {
        capture_control_ = target;
        SetCapture(handle_);
        if (dbl && m.Msg == WM_LBUTTONDBLCLK) target->DblClick();
        target->MouseDown(ButtonOf(m.Msg), s, p.X - target->left_, p.Y - target->top_);
        return true;
      }
      if (SelfPainted()) SetCapture(handle_);
      if (dbl && m.Msg == WM_LBUTTONDBLCLK) DblClick();
      MouseDown(ButtonOf(m.Msg), s, p.X, p.Y);
      return false;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      if (TControl* c = capture_control_) {
        capture_control_ = nullptr;
        ReleaseCapture();
        c->MouseUp(ButtonOf(m.Msg), shift, p.X - c->left_, p.Y - c->top_);
        return true;
      }
      if (SelfPainted() && GetCapture() == handle_) ReleaseCapture();
      MouseUp(ButtonOf(m.Msg), shift, p.X, p.Y);
      return false;
    }
    default:
      return false;
  }
}

bool TWinControl::HandleNotification(TMessage& m) {
  switch (m.Msg) {
    case WM_COMMAND:
      if (TWinControl* c = FromHandle(reinterpret_cast<HWND>(m.LParam)); c && m.LParam) {
        c->CommandNotify(HIWORD(m.WParam));
        m.Result = 0;
        return true;
      }
      return false;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
      if (TWinControl* c = FromHandle(item->hwndItem); c && c->DrawItem(*item)) {
        m.Result = TRUE;
        return true;
      }
      return false;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
      for (TControl* c : controls_)
        if (c->IsWindowed() && static_cast<TWinControl*>(c)->id_ == item->CtlID &&
            static_cast<TWinControl*>(c)->MeasureItem(*item)) {
          m.Result = TRUE;
          return true;
        }
      return false;
    }
    default:
      if (TWinControl* c = FromHandle(reinterpret_cast<HWND>(m.LParam))) {
        if (HBRUSH b = c->CtlColor(reinterpret_cast<HDC>(m.WParam))) {
          m.Result = reinterpret_cast<LRESULT>(b);
          return true;
        }
      }
      return false;
  }
}

HBRUSH TWinControl::CtlColor(HDC dc) {
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font().Color())));
  SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(Color())));
  Canvas().Brush().SetColor(Color());
  return Canvas().Brush().Handle();
}

void TWinControl::PaintWindow(HDC dc) {
  TCanvas& canvas = Canvas();
  canvas.SetHandle(dc);
  canvas.Font().Assign(Font());
  canvas.Brush().SetColor(Color());
  PaintBackground(canvas);
  Paint();
  canvas.SetHandle(nullptr);
  PaintControls(dc);
}

void TWinControl::PaintBackground(TCanvas& canvas) {
  canvas.FillRect(ClientRect());
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : controls_) {
    if (c->IsWindowed() || !c->visible_ || c->width_ <= 0 || c->height_ <= 0) continue;
    const int saved = SaveDC(dc);
    POINT org;
    GetViewportOrgEx(dc, &org);
    SetViewportOrgEx(dc, org.x + c->left_, org.y + c->top_, nullptr);
    IntersectClipRect(dc, 0, 0, c->width_, c->height_);
    TCanvas& canvas = c->canvas_;
    canvas.SetHandle(dc);
    canvas.Font().Assign(c->font_);
    canvas.Brush().SetColor(c->color_);
    canvas.Pen().SetColor(clBlack);
    try {
      c->Paint();
    } catch (...) {
      canvas.SetHandle(nullptr);
      RestoreDC(dc, saved);
      throw;
    }
    canvas.SetHandle(nullptr);
    RestoreDC(dc, saved);
  }
}

void TWinControl::PaintTo(TCanvas& canvas, int x, int y) {
  HDC dc = canvas.Handle();
  if (!dc) return;
  int saved = SaveDC(dc);
  POINT org;
  GetViewportOrgEx(dc, &org);
  SetViewportOrgEx(dc, org.x + x, org.y + y, nullptr);
  IntersectClipRect(dc, 0, 0, ClientWidth(), ClientHeight());
  if (SelfPainted())
    PaintWindow(dc);
  else if (handle_)
    SendMessageW(handle_, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  for (TControl* c : controls_) {
    if (!c->IsWindowed() || !c->visible_) continue;
    auto* w = static_cast<TWinControl*>(c);
    if (w->SelfPainted()) {
      POINT origin{0, 0};
      if (w->handle_ && handle_)
        MapWindowPoints(w->handle_, handle_, &origin, 1);
      else
        origin = {w->left_, w->top_};
      w->PaintTo(canvas, origin.x, origin.y);
    } else if (w->handle_) {
      const int inner = SaveDC(dc);
      SetViewportOrgEx(dc, org.x + x + w->left_, org.y + y + w->top_, nullptr);
      SendMessageW(w->handle_, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                   PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
      RestoreDC(dc, inner);
    }
  }
  RestoreDC(dc, saved);
}

TControl* TWinControl::ControlAtPos(TPoint p) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (!c->IsWindowed() && c->visible_ && c->enabled_ && c->BoundsRect().Contains(p)) return c;
  }
  return nullptr;
}

void TWinControl::InsertControl(TControl* c) {
  controls_.push_back(c);
  if (c->IsWindowed() && handle_) static_cast<TWinControl*>(c)->HandleNeeded();
}

void TWinControl::RemoveControl(TControl* c) {
  if (mouse_control_ == c) mouse_control_ = nullptr;
  if (capture_control_ == c) {
    capture_control_ = nullptr;
    if (handle_ && GetCapture() == handle_) ReleaseCapture();
  }
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
  if (c->IsWindowed()) static_cast<TWinControl*>(c)->DestroyWnd();
  if (c->align_ != alNone && !Destroying()) Realign();
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  TControl::SetParent(parent);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (!handle_) {
    TControl::SetBounds(left, top, width, height);
    return;
  }
  SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::UpdateBoundsFrom(const WINDOWPOS& pos) {
  if (IsIconic(handle_)) return;
  RECT wr;
  GetWindowRect(handle_, &wr);
  POINT tl{wr.left, wr.top};
  if (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD) ::ScreenToClient(GetParent(handle_), &tl);
  (void)pos;
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  const bool resized = w != width_ || h != height_;
  const bool moved = tl.x != left_ || tl.y != top_;
  if (!resized && !moved) return;
  left_ = tl.x;
  top_ = tl.y;
  width_ = w;
  height_ = h;
  if (resized) Resize();
  RequestAlign();
}

void TWinControl::NonClientSize(int& dw, int& dh) const {
  if (handle_) {
    RECT wr, cr;
    GetWindowRect(handle_, &wr);
    GetClientRect(handle_, &cr);
    dw = (wr.right - wr.left) - cr.right;
    dh = (wr.bottom - wr.top) - cr.bottom;
    return;
  }
  TCreateParams p;
  const_cast<TWinControl*>(this)->CreateParams(p);
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, p.Style, FALSE, p.ExStyle);
  dw = r.right - r.left;
  dh = r.bottom - r.top;
}

int TWinControl::ClientWidth() const {
  int dw = 0, dh = 0;
  NonClientSize(dw, dh);
  return std::max(0, width_ - dw);
}

int TWinControl::ClientHeight() const {
  int dw = 0, dh = 0;
  NonClientSize(dw, dh);
  return std::max(0, height_ - dh);
}

void TWinControl::Resize() {
  Realign();
  TControl::Resize();
}

void TWinControl::Realign() {
  if (aligning_) return;
  aligning_ = true;
  TRect r = ClientRect();
  try {
    AlignControls(r);
  } catch (...) {
    aligning_ = false;
    throw;
  }
  aligning_ = false;
}

void TWinControl::AlignControls(TRect& r) {
  for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* c : controls_) {
      if (c->align_ != kind || !c->visible_) continue;
      switch (kind) {
        case alTop:
          c->SetBounds(r.Left, r.Top, r.Width(), c->height_);
          r.Top += c->height_;
          break;
        case alBottom:
          c->SetBounds(r.Left, r.Bottom - c->height_, r.Width(), c->height_);
          r.Bottom -= c->height_;
          break;
        case alLeft:
          c->SetBounds(r.Left, r.Top, c->width_, r.Height());
          r.Left += c->width_;
          break;
        case alRight:
          c->SetBounds(r.Right - c->width_, r.Top, c->width_, r.Height());
          r.Right -= c->width_;
          break;
        default:
          c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
          break;
      }
    }
  }
}

void TWinControl::SetText(const std::string& text) {
  if (handle_) {
    text_ = text;
    SetWindowTextW(handle_, os::WideShown(text).c_str());
    TextChanged();
    return;
  }
  TControl::SetText(text);
}

std::string TWinControl::GetText() const {
  if (!handle_ || SelfPainted()) return text_;
  const int n = GetWindowTextLengthW(handle_);
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  const int got = GetWindowTextW(handle_, s.data(), n + 1);
  s.resize(static_cast<size_t>(std::max(got, 0)));
  return os::Utf8Shown(s);
}

void TWinControl::Invalidate() {
  if (handle_) ::InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::InvalidateRect(const TRect& r) {
  if (!handle_) return;
  const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
  ::InvalidateRect(handle_, &rc, TRUE);
}

void TWinControl::FontChanged() {
  if (handle_ && !SelfPainted())
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  for (TControl* c : controls_)
    if (c->parent_font_) c->InheritFont(Font());
  Invalidate();
}

void TWinControl::ColorChanged() {
  for (TControl* c : controls_)
    if (c->parent_color_) c->InheritColor(Color());
  Invalidate();
}

void TWinControl::EnabledChanged() {
  if (handle_) EnableWindow(handle_, enabled_);
  Invalidate();
}

void TWinControl::VisibleChanged() {
  if (handle_) ShowWindow(handle_, visible_ ? SW_SHOWNA : SW_HIDE);
}

bool TWinControl::Focused() const {
  return handle_ && GetFocus() == handle_;
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_ || !c->enabled_) return false;
  return true;
}

void TWinControl::SetFocus() {
  if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  ::SetFocus(Handle());
}

bool TWinControl::WantsKey(uint16_t) const {
  return false;
}

void TWinControl::KeyDown(uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(uint16_t& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::ScaleBy(int m, int d) {
  if (m == d || d == 0) return;
  if (!ParentFont() || !parent_) Font().SetHeight(MulDiv(Font().Height(), m, d));
  for (TControl* c : controls_) c->ChangeScale(m, d);
}

void TWinControl::ChangeScale(int m, int d) {
  TControl::ChangeScale(m, d);
  for (TControl* c : controls_) c->ChangeScale(m, d);
}
