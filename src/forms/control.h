// Something on a form: position, size, visibility, colour, font, caption and input events; and
// the controls without a window of their own, painted by their parent.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "forms/component.h"
#include "forms/cursors.h"
#include "forms/graphics.h"

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
  // Takes its parent's new scaling: position, size and a font of its own by m / d.
  virtual void ChangeScale(int m, int d);
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

// A control without a window, painted by its parent.
class TGraphicControl : public TControl {
 public:
  using TControl::TControl;
};
