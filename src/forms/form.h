// Top-level windows: border styles, position, activation, keyboard handling for the whole
// window (key preview, Tab, Enter, Esc, accelerators) and modal showing.
#pragma once

#include <utility>

#include "forms/controls.h"

enum TPosition : uint8_t {
  poDesigned,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter,
};
enum TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };

using TBorderIcons = uint8_t;
constexpr TBorderIcons biSystemMenu = 1, biMinimize = 2, biMaximize = 4;

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& can_close)>;

class TButton;

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  // Scaling (when Scaled), Loaded, then the creation event; CreateForm calls it once the
  // constructors have run.
  void AfterConstruction();

  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return border_icons_; }
  void SetBorderIcons(TBorderIcons icons);
  TPosition Position = poDesigned;
  TWindowState WindowState() const;
  void SetWindowState(TWindowState state);
  bool KeyPreview = false;
  // Pixels per inch the form was laid out for; the screen's once it has been scaled.
  int PixelsPerInch = 96;
  // Whether building the form ends with ScaleToScreen(): forms laid out in pixels at one
  // resolution keep their proportions to the text at another.
  bool Scaled = true;
  // Scales the form, its controls and their fonts from PixelsPerInch to the screen's.
  void ScaleToScreen();

  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult result) { modal_result_ = result; }
  bool Modal() const { return modal_; }
  // Shows the form, runs a message loop until its modal result is set and hides it again.
  TModalResult ShowModal();
  void Close();
  // Frees the form once the current message has been handled.
  void Release();
  bool Active() const;
  void BringToFront();

  TWinControl* ActiveControl() const { return active_control_; }
  void SetActiveControl(TWinControl* control);
  // Moves the focus to the next (or previous) control that takes Tab.
  void SelectNext(TWinControl* current, bool forward);
  // The visible, enabled button marked default (or cancel), if any.
  TButton* DefaultButton() const;
  TButton* CancelButton() const;

  TNotifyEvent OnCreate, OnShow, OnHide, OnActivate, OnDeactivate, OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  // Framework internals used by the controls and the message loop.
  void FocusChanged(TWinControl* control);
  static void ForgetControl(TWinControl* control);
  // Key handling before the focused control sees a key; true when the form consumed it.
  bool PreProcessKey(const MSG& msg, TWinControl* target);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& m) override;
  void Paint() override;
  void SetVisible(bool visible) override;
  void VisibleChanged() override;
  virtual void DoCreate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void Activate();
  virtual void Deactivate();
  virtual bool CloseQuery();
  virtual void DoClose(TCloseAction& action);

 private:
  void CloseModal();
  void PlaceOnFirstShow();
  void FocusFirst();

  TFormBorderStyle border_style_ = bsSizeable;
  TBorderIcons border_icons_ = biSystemMenu | biMinimize | biMaximize;
  TWindowState window_state_ = wsNormal;
  TModalResult modal_result_ = mrNone;
  bool modal_ = false;
  bool placed_ = false;
  TWinControl* active_control_ = nullptr;
};

// The form a control stands on (the control itself when it is a form).
TForm* GetParentForm(TControl* control);

// Builds a form and completes it: Loaded, then the creation event. If that fails the form is
// freed and the failure goes on to the caller.
template <class T, class... Args>
T* CreateForm(Args&&... args) {
  T* form = new T(std::forward<Args>(args)...);
  try {
    form->AfterConstruction();
  } catch (...) {
    delete form;
    throw;
  }
  return form;
}
