#include "forms/form.h"

#include <algorithm>

#include "forms/application.h"
#include "forms/buttons.h"

namespace {

// Posted to a modal form once it is on screen, and to a form that is to be freed.
constexpr UINT kModalShown = WM_APP + 0x3F00;
constexpr UINT kRelease = WM_APP + 0x3F01;

void CollectTabStops(TWinControl* parent, std::vector<TWinControl*>& out) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (!c->IsWindowed() || !c->Visible() || !c->Enabled()) continue;
    auto* w = static_cast<TWinControl*>(c);
    if (w->TabStop) out.push_back(w);
    CollectTabStops(w, out);
  }
}

bool DialogCharTree(TWinControl* parent, char key) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (!c->Visible() || !c->Enabled()) continue;
    if (c->DialogChar(key)) return true;
    if (c->IsWindowed() && DialogCharTree(static_cast<TWinControl*>(c), key)) return true;
  }
  return false;
}

template <class Pred>
TButton* FindButton(const TWinControl* parent, Pred pred) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (!c->Visible() || !c->Enabled()) continue;
    if (auto* b = dynamic_cast<TButton*>(c); b && pred(*b)) return b;
    if (c->IsWindowed())
      if (TButton* b = FindButton(static_cast<TWinControl*>(c), pred)) return b;
  }
  return nullptr;
}

BOOL CALLBACK DisableWindow(HWND hwnd, LPARAM param) {
  auto* list = reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(param);
  if (hwnd != list->first && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
    list->second.push_back(hwnd);
    EnableWindow(hwnd, FALSE);
  }
  return TRUE;
}

}  // namespace

TForm* GetParentForm(TControl* control) {
  while (control && control->Parent()) control = control->Parent();
  return dynamic_cast<TForm*>(control);
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;
  width_ = 320;
  height_ = 240;
  SetParentFont(false);
  Screen.AddForm(this);
}

TForm::~TForm() {
  MarkDestroying();
  Screen.RemoveForm(this);
  if (Application.MainForm() == this) Application.SetMainForm(nullptr);
}

void TForm::AfterConstruction() {
  if (Scaled) ScaleToScreen();
  Loaded();
  DoCreate();
}

void TForm::ScaleToScreen() {
  const int from = PixelsPerInch, to = ScreenPixelsPerInch();
  if (from == to || from <= 0) return;
  const int client_width = ClientWidth(), client_height = ClientHeight();
  // Controls that size themselves by the form's resolution see the new one while they scale.
  PixelsPerInch = to;
  ScaleBy(to, from);
  SetClientWidth(MulDiv(client_width, to, from));
  SetClientHeight(MulDiv(client_height, to, from));
}

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  RecreateWnd();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == border_icons_) return;
  border_icons_ = icons;
  RecreateWnd();
}

void TForm::CreateParams(TCreateParams& p) {
  p.Style = WS_POPUP | WS_CLIPCHILDREN;
  p.ExStyle = 0;
  switch (border_style_) {
    case bsNone:
      break;
    case bsSingle:
      p.Style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
      p.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      p.Style |= WS_CAPTION | DS_MODALFRAME;
      p.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
    case bsToolWindow:
      p.Style |= WS_CAPTION;
      p.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      p.Style |= WS_CAPTION | WS_THICKFRAME;
      p.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (border_style_ != bsNone && (border_icons_ & biSystemMenu)) {
    p.Style |= WS_SYSMENU;
    if (border_style_ == bsSingle || border_style_ == bsSizeable) {
      if (border_icons_ & biMinimize) p.Style |= WS_MINIMIZEBOX;
      if (border_icons_ & biMaximize) p.Style |= WS_MAXIMIZEBOX;
    }
  }
  if (!enabled_) p.Style |= WS_DISABLED;
  // Owned by its owner form, else by the main or active form, so that it stays in front.
  auto handle_of = [this](TForm* f) -> HWND {
    return f && f != this && f->HandleAllocated() ? f->Handle() : nullptr;
  };
  p.WndParent = handle_of(dynamic_cast<TForm*>(Owner()));
  if (!p.WndParent) p.WndParent = handle_of(Screen.ActiveForm());
  if (!p.WndParent) p.WndParent = handle_of(Application.MainForm());
}

TWindowState TForm::WindowState() const {
  if (HandleAllocated() && visible_) {
    HWND h = const_cast<TForm*>(this)->Handle();
    if (IsZoomed(h)) return wsMaximized;
    if (IsIconic(h)) return wsMinimized;
    return wsNormal;
  }
  return window_state_;
}

void TForm::SetWindowState(TWindowState state) {
  window_state_ = state;
  if (HandleAllocated() && visible_)
    ShowWindow(Handle(), state == wsMaximized   ? SW_MAXIMIZE
                         : state == wsMinimized ? SW_MINIMIZE
                                                : SW_RESTORE);
}

void TForm::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibleChanged();
}

void TForm::PlaceOnFirstShow() {
  if (placed_) return;
  placed_ = true;
  TForm* center_on = nullptr;
  if (Position == poMainFormCenter) center_on = Application.MainForm();
  if (Position == poOwnerFormCenter) center_on = dynamic_cast<TForm*>(Owner());
  if (center_on == this || (center_on && !center_on->Visible())) center_on = nullptr;
  if (center_on) {
    SetBounds(center_on->Left() + (center_on->Width() - width_) / 2,
              center_on->Top() + (center_on->Height() - height_) / 2, width_, height_);
  } else if (Position != poDesigned) {
    SetBounds((Screen.Width() - width_) / 2, (Screen.Height() - height_) / 2, width_, height_);
  }
}

void TForm::VisibleChanged() {
  if (visible_) {
    HandleNeeded();
    PlaceOnFirstShow();
    DoShow();
    if (!visible_) return;  // the show handler hid it again
    ShowWindow(Handle(), window_state_ == wsMaximized   ? SW_SHOWMAXIMIZED
                         : window_state_ == wsMinimized ? SW_SHOWMINIMIZED
                                                        : SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    if (active_control_ && active_control_->CanFocus())
      ::SetFocus(active_control_->Handle());
    else
      FocusFirst();
  } else {
    DoHide();
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    if (Screen.ActiveForm() == this) Screen.SetActiveForm(nullptr);
  }
}

void TForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

bool TForm::Active() const {
  return HandleAllocated() && GetActiveWindow() == const_cast<TForm*>(this)->Handle();
}

void TForm::BringToFront() {
  if (HandleAllocated()) SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TForm::SetActiveControl(TWinControl* control) {
  if (control && GetParentForm(control) != this)
    throw EInvalidOperation("The control is not on this form");
  if (control && visible_ && HandleAllocated()) {
    control->SetFocus();  // FocusChanged records it
    return;
  }
  active_control_ = control;
}

void TForm::FocusChanged(TWinControl* control) {
  if (control == this || control == active_control_) return;
  TWinControl* previous = active_control_;
  active_control_ = control;
  if (previous) previous->DoExit();
  if (active_control_ == control) control->DoEnter();
}

void TForm::ForgetControl(TWinControl* control) {
  for (int i = 0; i < Screen.FormCount(); ++i)
    if (Screen.Forms(i)->active_control_ == control) Screen.Forms(i)->active_control_ = nullptr;
}

void TForm::FocusFirst() {
  std::vector<TWinControl*> stops;
  CollectTabStops(this, stops);
  if (!stops.empty())
    ::SetFocus(stops.front()->Handle());
  else if (HandleAllocated())
    ::SetFocus(Handle());
}

void TForm::SelectNext(TWinControl* current, bool forward) {
  std::vector<TWinControl*> stops;
  CollectTabStops(this, stops);
  if (stops.empty()) return;
  // The current control may be a child window inside a tab stop (a combo box's edit).
  auto it = stops.end();
  for (TControl* c = current; c && it == stops.end(); c = c->Parent())
    it = std::find(stops.begin(), stops.end(), c);
  size_t next = 0;
  if (it != stops.end()) {
    const size_t at = static_cast<size_t>(it - stops.begin());
    next = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
  } else if (!forward) {
    next = stops.size() - 1;
  }
  ::SetFocus(stops[next]->Handle());
}

TButton* TForm::DefaultButton() const {
  return FindButton(this, [](const TButton& b) { return b.Default(); });
}

TButton* TForm::CancelButton() const {
  return FindButton(this, [](const TButton& b) { return b.Cancel(); });
}

bool TForm::PreProcessKey(const MSG& msg, TWinControl* target) {
  if (!Enabled()) return false;
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      auto key = static_cast<uint16_t>(msg.wParam);
      const TShiftState shift = KeyboardShift();
      if (KeyPreview && target != this) {
        KeyDown(key, shift);
        if (key == 0) return true;
      }
      if (msg.message != WM_KEYDOWN || target->WantsKey(key)) return false;
      if (key == VK_TAB && !(shift & (ssCtrl | ssAlt))) {
        SelectNext(target, !(shift & ssShift));
        return true;
      }
      if (key == VK_RETURN) {
        auto* button = dynamic_cast<TButton*>(target);
        if (!button || !button->Enabled()) button = DefaultButton();
        if (button) {
          button->Click();
          return true;
        }
      }
      if (key == VK_ESCAPE) {
        if (TButton* button = CancelButton()) {
          button->Click();
          return true;
        }
      }
      return false;
    }
    case WM_CHAR: {
      // Accelerators and key handlers are ASCII; any other character is the control's.
      if (msg.wParam >= 0x80) return false;
      char ch = static_cast<char>(msg.wParam);
      if (KeyPreview && target != this) {
        KeyPress(ch);
        if (ch == 0) return true;
      }
      if (!target->WantsChars() && static_cast<unsigned char>(ch) > ' ')
        return DialogCharTree(this, ch);
      return false;
    }
    case WM_SYSCHAR:
      return msg.wParam < 0x80 && DialogCharTree(this, static_cast<char>(msg.wParam));
    default:
      return false;
  }
}

TModalResult TForm::ShowModal() {
  if (visible_ || modal_ || !enabled_)
    throw EInvalidOperation("Cannot make a visible window modal");
  if (GetCapture()) ReleaseCapture();
  HWND previous_active = GetActiveWindow();
  HandleNeeded();
  if (!GetWindow(Handle(), GW_OWNER) && previous_active && previous_active != Handle())
    SetWindowLongPtrW(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(previous_active));
  std::pair<HWND, std::vector<HWND>> disabled{Handle(), {}};
  EnumThreadWindows(GetCurrentThreadId(), &DisableWindow, reinterpret_cast<LPARAM>(&disabled));
  modal_ = true;
  modal_result_ = mrNone;
  // Whatever ends the loop, the other windows come back before this one goes.
  struct Restore {
    TForm* form;
    std::vector<HWND>& windows;
    HWND previous;
    ~Restore() {
      for (HWND w : windows)
        if (IsWindow(w)) EnableWindow(w, TRUE);
      form->modal_ = false;
      form->visible_ = false;
      form->VisibleChanged();
      if (previous && IsWindow(previous)) SetActiveWindow(previous);
    }
  } restore{this, disabled.second, previous_active};
  SetVisible(true);
  if (HandleAllocated()) PostMessageW(Handle(), kModalShown, 0, 0);
  for (;;) {
    Application.HandleMessage();
    if (Application.Terminated()) {
      modal_result_ = mrCancel;
      break;
    }
    if (!HandleAllocated()) {
      if (modal_result_ == mrNone) modal_result_ = mrCancel;
      break;
    }
    if (modal_result_ != mrNone) {
      CloseModal();
      if (modal_result_ != mrNone) break;
    }
  }
  return modal_result_;
}

void TForm::CloseModal() {
  TCloseAction action = CloseQuery() ? caHide : caNone;
  if (action != caNone) DoClose(action);
  if (action == caNone) modal_result_ = mrNone;
}

bool TForm::CloseQuery() {
  bool can_close = true;
  if (OnCloseQuery) OnCloseQuery(this, can_close);
  return can_close;
}

void TForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

void TForm::Close() {
  if (modal_) {
    modal_result_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  const bool main = Application.MainForm() == this;
  TCloseAction action = main ? caFree : caHide;
  DoClose(action);
  if (action == caNone) return;
  if (main) {
    Application.Terminate();
    return;
  }
  if (action == caHide) Hide();
  if (action == caMinimize) SetWindowState(wsMinimized);
  if (action == caFree) Release();
}

void TForm::Release() {
  if (HandleAllocated())
    PostMessageW(Handle(), kRelease, 0, 0);
  else
    delete this;
}

void TForm::Paint() {
  if (OnPaint) OnPaint(this);
}

void TForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case kModalShown:
      if (modal_ && Application.OnModalShow) {
        auto observer = Application.OnModalShow;
        observer(*this);
      }
      return;
    case kRelease:
      delete this;
      return;
    case WM_CLOSE:
      Close();
      return;
    case WM_ACTIVATE:
      if (LOWORD(m.WParam) != WA_INACTIVE) {
        Screen.SetActiveForm(this);
        Activate();
        if (!HIWORD(m.WParam)) {  // not minimised
          if (active_control_ && active_control_->CanFocus())
            ::SetFocus(active_control_->Handle());
          else
            FocusFirst();
        }
        m.Result = 0;
        return;
      }
      Deactivate();
      break;
    default:
      break;
  }
  TWinControl::WndProc(m);
}
