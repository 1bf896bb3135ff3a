// Controls with a window of their own: the framework's window class or a system control class.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "forms/control.h"

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

struct TCreateParams {
  std::string WinClassName;  // empty: the framework's own class
  // The framework's own class under its own name, so that outside tools can tell such windows
  // from the others; painted by the framework like any of its windows.
  std::string OwnClassName;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  HWND WndParent = nullptr;
};

// A control with a window of its own: either the framework's window class, painted by Paint(),
// or a system control class (edit, button, ...) whose messages pass through WndProc first.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Builds the window again (after a change of window style).
  void RecreateWnd();
  static TWinControl* FromHandle(HWND hwnd);
  // The framework control that owns this window or its nearest ancestor window.
  static TWinControl* FindControl(HWND hwnd);

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_[static_cast<size_t>(index)]; }
  // The visible graphic child at a client point (topmost first); nullptr when none.
  TControl* ControlAtPos(TPoint p) const;

  bool IsWindowed() const override { return true; }
  void SetBounds(int left, int top, int width, int height) override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetParent(TWinControl* parent) override;
  void SetText(const std::string& text) override;
  std::string GetText() const override;
  void Invalidate() override;
  void InvalidateRect(const TRect& r);

  bool Focused() const;
  virtual bool CanFocus() const;
  virtual void SetFocus();
  bool TabStop = false;
  bool DoubleBuffered = false;
  // Whether the control takes a key itself instead of leaving it to the form (Tab, Enter, Esc).
  virtual bool WantsKey(uint16_t key) const;
  // Whether typed characters belong to the control rather than being accelerators.
  virtual bool WantsChars() const { return false; }

  TKeyEvent OnKeyDown, OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter, OnExit;

  LRESULT Perform(UINT msg, WPARAM w, LPARAM l);
  void Realign();
  // Renders the control and its children into a canvas with the client origin at (x, y).
  void PaintTo(TCanvas& canvas, int x, int y);
  // Scales positions, sizes and fonts of this control's children, and its own font, by m / d.
  void ScaleBy(int m, int d);
  void ChangeScale(int m, int d) override;

  virtual void KeyDown(uint16_t& key, TShiftState shift);
  virtual void KeyUp(uint16_t& key, TShiftState shift);
  virtual void KeyPress(char& key);
  virtual void DoEnter();
  virtual void DoExit();

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  // After the window exists: send it what was set before (font, texts, items).
  virtual void InitWindow() {}
  virtual void WndProc(TMessage& m);
  void DefaultHandler(TMessage& m);
  // Whether the framework paints the control (its own window class) or the system does.
  bool SelfPainted() const;
  // Fills the background, calls Paint() and paints the graphic children.
  virtual void PaintWindow(HDC dc);
  virtual void PaintBackground(TCanvas& canvas);
  void PaintControls(HDC dc);
  // Notifications that the parent window receives about this control.
  virtual void CommandNotify(WORD /*code*/) {}
  virtual bool DrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
  virtual bool MeasureItem(MEASUREITEMSTRUCT& /*item*/) { return false; }
  virtual HBRUSH CtlColor(HDC dc);
  virtual void AlignControls(TRect& rect);
  void FontChanged() override;
  void ColorChanged() override;
  void EnabledChanged() override;
  void VisibleChanged() override;
  void Resize() override;
  UINT ControlId() const { return id_; }

 private:
  friend class TControl;
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
  LRESULT Dispatch(UINT msg, WPARAM w, LPARAM l);
  void Attach(HWND hwnd);
  void Detach();
  void InsertControl(TControl* c);
  void RemoveControl(TControl* c);
  bool HandleMouse(TMessage& m);
  bool HandleNotification(TMessage& m);
  void UpdateBoundsFrom(const WINDOWPOS& pos);
  void NonClientSize(int& dw, int& dh) const;

  HWND handle_ = nullptr;
  WNDPROC default_proc_ = nullptr;
  UINT id_ = 0;
  std::vector<TControl*> controls_;
  TControl* mouse_control_ = nullptr;    // graphic child under the mouse
  TControl* capture_control_ = nullptr;  // graphic child that got the button press
  bool mouse_inside_ = false;
  bool aligning_ = false;
  bool creating_ = false;
};

// A windowed control of the framework's own class, painted entirely by Paint().
class TCustomControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
};
