// Controls over the system button class: push button, check box, radio button.
#pragma once

#include "forms/controls.h"

// A system button; with OwnerDraw the control draws itself in DrawItem.
class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TComponent* owner);
  bool OwnerDraw() const { return owner_draw_; }
  void SetOwnerDraw(bool v);
  // Pressed by its accelerator.
  bool DialogChar(char key) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CommandNotify(WORD code) override;
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  // Draws an owner-drawn button; the canvas is bound to the item's device context.
  virtual void DrawButton(const DRAWITEMSTRUCT& /*item*/) {}
  virtual void Clicked() { Click(); }
  virtual DWORD ButtonStyle() const = 0;

 private:
  bool owner_draw_ = false;
};

// A push button. One with a modal result hands it to its form before its click handler runs.
class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* owner);
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult r) { modal_result_ = r; }
  void Click() override;

 protected:
  DWORD ButtonStyle() const override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  TModalResult modal_result_ = mrNone;
};

class TCheckBox : public TButtonControl {
 public:
  explicit TCheckBox(TComponent* owner);
  TCheckBoxState State() const;
  // A change of state fires the click event, as a click would.
  void SetState(TCheckBoxState state);
  bool Checked() const { return State() == cbChecked; }
  void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
  bool AllowGrayed = false;
  // The next state a click gives: unchecked, (grayed,) checked, unchecked.
  void Toggle();
  bool DialogChar(char key) override;

 protected:
  DWORD ButtonStyle() const override { return AllowGrayed ? BS_3STATE : BS_CHECKBOX; }
  void InitWindow() override;
  void Clicked() override { Toggle(); }

 private:
  TCheckBoxState state_ = cbUnchecked;
};

// Checking one radio button unchecks the other radio buttons of the same parent.
class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(TComponent* owner);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  bool DialogChar(char key) override;

 protected:
  DWORD ButtonStyle() const override { return BS_RADIOBUTTON; }
  void InitWindow() override;
  void Clicked() override;

 private:
  bool checked_ = false;
};
