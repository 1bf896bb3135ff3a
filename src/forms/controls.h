// Components and controls: ownership, parent and child controls, windowed controls over Win32
// windows and graphic controls painted by their parent.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/basic_types.h"
#include "forms/graphics.h"

class TObject {
 public:
  virtual ~TObject() = default;
};

// Raised for a misuse of the framework, such as a duplicate component name.
class EComponentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class EInvalidOperation : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using TNotifyEvent = std::function<void(TObject* sender)>;
using TKeyEvent = std::function<void(TObject* sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

// Owns the components created with it as owner and frees them, newest first, when freed.
class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  // Throws EComponentError for an invalid identifier or a name the owner already has.
  void SetName(const std::string& name);
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_[static_cast<size_t>(index)]; }
  // An owned component by name, ignoring case; nullptr when there is none.
  TComponent* FindComponent(const std::string& name) const;
  bool Destroying() const { return destroying_; }

  intptr_t Tag = 0;

  // Runs once the component and its owned parts are built (see CreateForm).
  virtual void Loaded() {}

  // Asks to be told (through Notification) when `other` is freed, and tells it likewise.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

 protected:
  // `component`, which this one referred to, is being freed.
  virtual void Notification(TComponent* /*component*/) {}
  void DestroyComponents();
  void MarkDestroying() { destroying_ = true; }

 private:
  TComponent* owner_ = nullptr;
  std::string name_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_notifies_;
  bool destroying_ = false;
};

using TCursor = int16_t;
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4,
                  crSizeNESW = -6, crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10,
                  crHourGlass = -11, crNo = -18, crAppStart = -19, crHandPoint = -21,
                  crSizeAll = -22;
HCURSOR CursorHandle(TCursor cursor);

class TWinControl;
class TForm;

// Something on a form: position, size, visibility, colour, font, caption and input events.
class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  virtual int ClientWidth() const { return width_; }
  virtual int ClientHeight() const { return height_; }
  void SetClientWidth(int w) { SetWidth(width_ - ClientWidth() + w); }
  void SetClientHeight(int h) { SetHeight(height_ - ClientHeight() + h); }
  TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  // Visible here and in every parent.
  bool Showing() const;

  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& text) { SetText(text); }
  virtual std::string GetText() const { return text_; }
  virtual void SetText(const std::string& text);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool v);
  // Changing the font makes it the control's own (no longer the parent's).
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool v);

  TCursor Cursor = crDefault;
  std::string Hint;

  TNotifyEvent OnClick, OnDblClick, OnResize, OnMouseEnter, OnMouseLeave;
  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  virtual void Click();
  virtual void DblClick();
  virtual void Invalidate();
  // Paints what is invalid now instead of at the next quiet moment.
  void Update();
  void Repaint() {
    Invalidate();
    Update();
  }
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;
  // The position of this control's client area in its parent window's client coordinates.
  virtual bool IsWindowed() const { return false; }

  // An accelerator key (the letter after '&') reached the form; true when this control took it.
  virtual bool DialogChar(char key);

  // Entry points for the parent's message handling and for tests.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  // Paints a control without a window; the parent has prepared Canvas().
  virtual void Paint() {}
  TCanvas& Canvas() { return canvas_; }

 protected:
  virtual void Resize();
  virtual void FontChanged() { Invalidate(); }
  virtual void ColorChanged() { Invalidate(); }
  virtual void TextChanged() { Invalidate(); }
  virtual void EnabledChanged() { Invalidate(); }
  virtual void VisibleChanged();
  virtual void ParentChanged() {}
  // Sets a property without making it the control's own (parent inheritance).
  void InheritFont(const TFont& font);
  void InheritColor(TColor color);
  // The parent realigns when an aligned child changes.
  void RequestAlign();

  std::string text_;
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  bool mouse_pressed_ = false;

 private:
  friend class TWinControl;
  TAlign align_ = alNone;
  TColor color_ = clBtnFace;
  bool parent_color_ = false;
  bool parent_font_ = true;
  bool inheriting_ = false;
  TFont font_;
  TCanvas canvas_;
};

// True when `key` is the accelerator of `caption` ("&x", not "&&").
bool IsAccel(char key, const std::string& caption);
// The caption without its accelerator marks ("&&" gives "&").
std::string StripAccel(const std::string& caption);

// A control without a window, painted by its parent.
class TGraphicControl : public TControl {
 public:
  using TControl::TControl;
};

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
  // Scales positions, sizes and fonts of this control and its children by m / d.
  void ScaleBy(int m, int d);

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

TShiftState KeyboardShift();
