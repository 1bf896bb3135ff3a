#include "ui/controls/active_combo.h"

#include <commctrl.h>

#include "os/text_encoding.h"

namespace {

constexpr UINT_PTR kEditSubclass = 0x564F5254;

}  // namespace

TActiveCombo::TActiveCombo(TComponent* owner) : TComboBox(owner) {}

TActiveCombo::~TActiveCombo() {
  label_.Restore();
  DestroyWnd();
}

void TActiveCombo::SetBorderStyle(TBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  RecreateWnd();
}

void TActiveCombo::SetFlatStyle(bool v) {
  if (v == flat_) return;
  flat_ = v;
  RecreateWnd();
}

void TActiveCombo::SetBevelOuter(TBevelCut v) {
  if (v == look_.bevel) return;
  look_.bevel = v;
  RecreateWnd();
}

void TActiveCombo::SetBorderColor(TColor c) {
  if (c == look_.frame) return;
  look_.frame = c;
  RecreateWnd();
}

void TActiveCombo::SetBorderColorF(TColor c) {
  if (c == focused_frame_) return;
  focused_frame_ = c;
  RecreateWnd();
}

void TActiveCombo::Notification(TComponent* component) {
  label_.Forget(component);
  TComboBox::Notification(component);
}

HWND TActiveCombo::EditWindow() {
  return HandleAllocated() ? FindWindowExW(Handle(), nullptr, L"Edit", nullptr) : nullptr;
}

void TActiveCombo::InitWindow() {
  TComboBox::InitWindow();
  edit_ = EditWindow();
  if (edit_) SetWindowSubclass(edit_, &EditProc, kEditSubclass, reinterpret_cast<DWORD_PTR>(this));
}

void TActiveCombo::DestroyWnd() {
  if (edit_ && IsWindow(edit_)) RemoveWindowSubclass(edit_, &EditProc, kEditSubclass);
  edit_ = nullptr;
  TComboBox::DestroyWnd();
}

LRESULT CALLBACK TActiveCombo::EditProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR,
                                        DWORD_PTR self) {
  auto* combo = reinterpret_cast<TActiveCombo*>(self);
  switch (msg) {
    case WM_KEYDOWN:
      combo->last_key_ = w;
      break;
    case WM_CHAR:
      // A character typed without its key press (pasted, sent) counts as a character key.
      combo->last_key_ = w == VK_BACK ? VK_BACK : 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &EditProc, kEditSubclass);
      combo->edit_ = nullptr;
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, msg, w, l);
}

void TActiveCombo::Complete() {
  if (!AutoComplete || last_key_ == VK_BACK || last_key_ == VK_DELETE) return;
  const std::wstring typed = os::WideShown(GetText());
  if (typed.empty()) return;
  const LRESULT found = SendMessageW(Handle(), CB_FINDSTRING, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(typed.c_str()));
  if (found == CB_ERR) return;
  SetItemIndex(static_cast<int>(found));
  SendMessageW(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(typed.size(), -1));
}

void TActiveCombo::CommandNotify(WORD code) {
  switch (code) {
    case CBN_EDITCHANGE:
      Complete();
      break;
    case CBN_SETFOCUS:
      label_.Light(LabelColor);
      break;
    case CBN_KILLFOCUS:
      label_.Restore();
      break;
    default:
      break;
  }
  TComboBox::CommandNotify(code);
  if (code == CBN_SETFOCUS || code == CBN_KILLFOCUS) DrawBorder();
}

void TActiveCombo::DrawBorder() {
  if (!flat_ || border_style_ != bsSingle || !HandleAllocated()) return;
  FlatBorderLook look = look_;
  const HWND focus = GetFocus();
  if (focus == Handle() || (focus && GetParent(focus) == Handle())) look.frame = focused_frame_;
  look.inner = Color();
  DrawFlatBorder(Handle(), look);
}

void TActiveCombo::WndProc(TMessage& m) {
  TComboBox::WndProc(m);
  // The combo box paints its own sunken edge in its client area: draw over it.
  if (m.Msg == WM_PAINT || m.Msg == WM_NCPAINT) DrawBorder();
}
