#include "forms/buttons.h"

#include "forms/form.h"

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  TabStop = true;
}

void TButtonControl::SetOwnerDraw(bool v) {
  if (v == owner_draw_) return;
  owner_draw_ = v;
  RecreateWnd();
}

void TButtonControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = "BUTTON";
  p.Style |= owner_draw_ ? BS_OWNERDRAW : ButtonStyle();
}

void TButtonControl::CommandNotify(WORD code) {
  if (code == BN_CLICKED) Clicked();
}

bool TButtonControl::DrawItem(const DRAWITEMSTRUCT& item) {
  if (!owner_draw_) return false;
  TCanvas& canvas = Canvas();
  canvas.SetHandle(item.hDC);
  canvas.Font().Assign(Font());
  canvas.Brush().SetColor(Color());
  try {
    DrawButton(item);
  } catch (...) {
    canvas.SetHandle(nullptr);
    throw;
  }
  canvas.SetHandle(nullptr);
  return true;
}

bool TButtonControl::DialogChar(char key) {
  if (!IsAccel(key, Caption()) || !CanFocus()) return false;
  SetFocus();
  Clicked();
  return true;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  width_ = 75;
  height_ = 25;
}

DWORD TButton::ButtonStyle() const {
  return default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool v) {
  if (v == default_) return;
  default_ = v;
  if (HandleAllocated() && !OwnerDraw()) SendMessageW(Handle(), BM_SETSTYLE, ButtonStyle(), TRUE);
}

void TButton::Click() {
  if (modal_result_ != mrNone)
    if (TForm* form = GetParentForm(this)) form->SetModalResult(modal_result_);
  TButtonControl::Click();
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {
  width_ = 97;
  height_ = 17;
  SetParentColor(true);
}

void TCheckBox::InitWindow() {
  if (!OwnerDraw()) SendMessageW(Handle(), BM_SETCHECK, state_, 0);
}

TCheckBoxState TCheckBox::State() const {
  return state_;
}

void TCheckBox::SetState(TCheckBoxState state) {
  if (state == state_) return;
  state_ = state;
  if (HandleAllocated() && !OwnerDraw()) SendMessageW(Handle(), BM_SETCHECK, state_, 0);
  Invalidate();
  Click();
}

void TCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked:
      SetState(AllowGrayed ? cbGrayed : cbChecked);
      break;
    case cbChecked:
      SetState(cbUnchecked);
      break;
    case cbGrayed:
      SetState(cbChecked);
      break;
  }
}

bool TCheckBox::DialogChar(char key) {
  if (!IsAccel(key, Caption()) || !CanFocus()) return false;
  SetFocus();
  Toggle();
  return true;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
  width_ = 113;
  height_ = 17;
  TabStop = false;
  SetParentColor(true);
}

void TRadioButton::InitWindow() {
  if (!OwnerDraw()) SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : 0, 0);
}

void TRadioButton::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  TabStop = v;
  if (HandleAllocated() && !OwnerDraw())
    SendMessageW(Handle(), BM_SETCHECK, v ? BST_CHECKED : 0, 0);
  Invalidate();
  if (!v) return;
  if (parent_)
    for (int i = 0; i < parent_->ControlCount(); ++i)
      if (auto* other = dynamic_cast<TRadioButton*>(parent_->Controls(i)); other && other != this)
        other->SetChecked(false);
  Click();
}

void TRadioButton::Clicked() {
  SetChecked(true);
}

bool TRadioButton::DialogChar(char key) {
  if (!IsAccel(key, Caption()) || !CanFocus()) return false;
  SetFocus();
  SetChecked(true);
  return true;
}
