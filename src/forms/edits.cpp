#include "forms/edits.h"

#include "forms/form.h"
#include "os/text_encoding.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  TabStop = true;
  width_ = 121;
  height_ = 21;
  SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = "EDIT";
  p.Style |= ES_AUTOHSCROLL;
  if (read_only_) p.Style |= ES_READONLY;
  if (password_char_) p.Style |= ES_PASSWORD;
  if (alignment_ == taRightJustify) p.Style |= ES_RIGHT;
  if (alignment_ == taCenter) p.Style |= ES_CENTER;
  if (border_style_ == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::InitWindow() {
  SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(max_length_), 0);
  if (password_char_)
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(password_char_), 0);
  SendMessageW(Handle(), EM_SETMODIFY, modified_, 0);
}

void TCustomEdit::SetText(const std::string& text) {
  if (!HandleAllocated()) {
    const bool changed = text != text_;
    TWinControl::SetText(text);
    if (changed) Change();  // the window reports it once it exists
    return;
  }
  TWinControl::SetText(text);  // the window reports EN_CHANGE
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  RecreateWnd();
}

void TCustomEdit::SetReadOnly(bool v) {
  read_only_ = v;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, v, 0);
}

void TCustomEdit::SetMaxLength(int n) {
  max_length_ = n < 0 ? 0 : n;
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(max_length_), 0);
}

void TCustomEdit::SetAlignment(TAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  RecreateWnd();
}

void TCustomEdit::SetPasswordChar(char c) {
  if (c == password_char_) return;
  password_char_ = c;
  RecreateWnd();
}

int TCustomEdit::SelStart() const {
  if (!HandleAllocated()) return 0;
  DWORD start = 0, end = 0;
  SendMessageW(const_cast<TCustomEdit*>(this)->Handle(), EM_GETSEL,
               reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

int TCustomEdit::SelLength() const {
  if (!HandleAllocated()) return 0;
  DWORD start = 0, end = 0;
  SendMessageW(const_cast<TCustomEdit*>(this)->Handle(), EM_GETSEL,
               reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSel(int start, int length) {
  const int end = length < 0 ? -1 : start + length;
  SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

bool TCustomEdit::Modified() const {
  if (!HandleAllocated()) return modified_;
  return SendMessageW(const_cast<TCustomEdit*>(this)->Handle(), EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::SetModified(bool v) {
  modified_ = v;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETMODIFY, v, 0);
}

void TCustomEdit::CommandNotify(WORD code) {
  if (code == EN_CHANGE) Change();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) {
  width_ = 185;
  height_ = 89;
  lines_.OnChange = [this] {
    if (syncing_) return;
    syncing_ = true;
    std::string text = lines_.Text();
    if (text.size() >= 2) text.resize(text.size() - 2);  // no empty line after the last
    try {
      SetText(text);
    } catch (...) {
      syncing_ = false;
      throw;
    }
    syncing_ = false;
  };
}

void TMemo::CreateParams(TCreateParams& p) {
  TCustomEdit::CreateParams(p);
  p.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
  if (WantReturns) p.Style |= ES_WANTRETURN;
  if (WordWrap) p.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  if (VerticalScrollBar) p.Style |= WS_VSCROLL;
}

void TMemo::SetText(const std::string& text) {
  // A multi-line edit does not always report text set from outside; report it once.
  changed_ = false;
  const bool differs = text != GetText();
  TCustomEdit::SetText(text);
  if (differs && !changed_) Change();
}

void TMemo::Change() {
  changed_ = true;
  if (!syncing_) {
    syncing_ = true;
    lines_.SetText(GetText());
    syncing_ = false;
  }
  TCustomEdit::Change();
}

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  TabStop = true;
  width_ = 145;
  height_ = 21;
  SetColor(clWindow);
  items_.OnChange = [this] { FillList(); };
}

void TComboBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = "COMBOBOX";
  p.Style |=
      WS_VSCROLL | CBS_AUTOHSCROLL | (style_ == csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
}

int TComboBox::ListHeight(int height) const {
  return height + DropDownCount * 16 + 4;
}

void TComboBox::InitWindow() {
  // The window height given to a combo box is that of its open list.
  SetWindowPos(Handle(), nullptr, 0, 0, width_, ListHeight(height_),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const int index = item_index_;
  const std::string text = text_;
  FillList();
  if (index >= 0) {
    SetItemIndex(index);
  } else if (style_ == csDropDown) {
    SetWindowTextW(Handle(), os::WideShown(text).c_str());
  }
}

void TComboBox::SetBounds(int left, int top, int width, int height) {
  if (!HandleAllocated()) {
    TWinControl::SetBounds(left, top, width, height);
    return;
  }
  SetWindowPos(Handle(), nullptr, left, top, width, ListHeight(height),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::FillList() {
  if (!HandleAllocated()) return;
  const int index = ItemIndex();
  SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
  for (const auto& s : items_.Items())
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(os::WideShown(s).c_str()));
  if (index >= 0 && index < items_.Count()) SendMessageW(Handle(), CB_SETCURSEL, index, 0);
}

int TComboBox::ItemIndex() const {
  if (!HandleAllocated()) return item_index_;
  return static_cast<int>(SendMessageW(const_cast<TComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= items_.Count()) index = -1;
  item_index_ = index;
  if (index >= 0) text_ = items_[index];
  if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TComboBox::SetStyle(TComboBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  RecreateWnd();
}

bool TComboBox::DroppedDown() const {
  return HandleAllocated() &&
         SendMessageW(const_cast<TComboBox*>(this)->Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

bool TComboBox::WantsKey(uint16_t key) const {
  return (key == VK_RETURN || key == VK_ESCAPE) && DroppedDown();
}

void TComboBox::CommandNotify(WORD code) {
  switch (code) {
    case CBN_EDITCHANGE:
      Change();
      break;
    case CBN_SELCHANGE: {
      const int index = ItemIndex();
      item_index_ = index;
      // The edit part shows the new item only after this notification; say it now.
      if (index >= 0) {
        text_ = items_[index];
        SetWindowTextW(Handle(), os::WideShown(text_).c_str());
      }
      Select();
      Change();
      break;
    }
    case CBN_DROPDOWN:
      if (OnDropDown) OnDropDown(this);
      break;
    case CBN_CLOSEUP:
      CloseUp();
      break;
    case CBN_SETFOCUS:
      if (TForm* form = GetParentForm(this)) form->FocusChanged(this);
      break;
    default:
      break;
  }
}

void TComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TComboBox::Select() {
  if (OnSelect) OnSelect(this);
}

void TComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}
