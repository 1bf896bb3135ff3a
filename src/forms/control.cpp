#include "forms/control.h"

#include "forms/application.h"
#include "forms/form.h"
#include "forms/win_control.h"

TControl::TControl(TComponent* owner) : TComponent(owner) {
  font_.OnChange = [this] {
    if (!inheriting_) parent_font_ = false;
    FontChanged();
  };
}

TControl::~TControl() {
  MarkDestroying();
  font_.OnChange = nullptr;
  if (parent_) {
    if (!IsWindowed() && visible_) parent_->InvalidateRect(BoundsRect());
    parent_->RemoveControl(this);
    parent_ = nullptr;
  }
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EInvalidOperation("A control cannot be its own parent");
  if (parent_) {
    if (!IsWindowed() && visible_) parent_->InvalidateRect(BoundsRect());
    parent_->RemoveControl(this);
  }
  parent_ = parent;
  if (parent_) {
    parent_->InsertControl(this);
    if (parent_font_) InheritFont(parent_->font_);
    if (parent_color_) InheritColor(parent_->color_);
  }
  ParentChanged();
  RequestAlign();
  Invalidate();
}

void TControl::ChangeScale(int m, int d) {
  // Edges, not sizes, are scaled: controls that touch go on touching, never overlapping.
  const int left = MulDiv(left_, m, d), top = MulDiv(top_, m, d);
  SetBounds(left, top, MulDiv(left_ + width_, m, d) - left, MulDiv(top_ + height_, m, d) - top);
  if (!parent_font_) font_.SetHeight(MulDiv(font_.Height(), m, d));
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  if (parent_ && visible_) parent_->InvalidateRect(BoundsRect());
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (parent_ && visible_) parent_->InvalidateRect(BoundsRect());
  if (resized) Resize();
  RequestAlign();
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (parent_) parent_->Realign();
}

void TControl::RequestAlign() {
  if (parent_ && align_ != alNone && !parent_->aligning_) parent_->Realign();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  VisibleChanged();
  if (parent_ && align_ != alNone) parent_->Realign();
}

void TControl::VisibleChanged() {
  if (parent_) parent_->InvalidateRect(BoundsRect());
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnabledChanged();
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  TextChanged();
}

void TControl::SetColor(TColor color) {
  const bool was_parent = parent_color_;
  parent_color_ = false;
  if (color == color_ && !was_parent) return;
  color_ = color;
  ColorChanged();
}

void TControl::SetParentColor(bool v) {
  parent_color_ = v;
  if (v && parent_) InheritColor(parent_->color_);
}

void TControl::InheritColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  ColorChanged();
}

void TControl::SetParentFont(bool v) {
  parent_font_ = v;
  if (v && parent_) InheritFont(parent_->font_);
}

void TControl::InheritFont(const TFont& font) {
  inheriting_ = true;
  font_.Assign(font);
  inheriting_ = false;
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::Invalidate() {
  if (parent_ && visible_) parent_->InvalidateRect(BoundsRect());
}

void TControl::Update() {
  for (TControl* c = this; c; c = c->parent_) {
    if (c->IsWindowed()) {
      auto* w = static_cast<TWinControl*>(c);
      if (w->HandleAllocated()) UpdateWindow(w->Handle());
      return;
    }
  }
}

TPoint TControl::ClientToScreen(TPoint p) const {
  if (IsWindowed()) {
    auto* self = const_cast<TWinControl*>(static_cast<const TWinControl*>(this));
    POINT pt{p.X, p.Y};
    ::ClientToScreen(self->Handle(), &pt);
    return {pt.x, pt.y};
  }
  if (!parent_) return p;
  return parent_->ClientToScreen({p.X + left_, p.Y + top_});
}

TPoint TControl::ScreenToClient(TPoint p) const {
  const TPoint origin = ClientToScreen({0, 0});
  return {p.X - origin.X, p.Y - origin.Y};
}

bool TControl::DialogChar(char) {
  return false;
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && !(shift & ssDouble)) mouse_pressed_ = true;
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const bool was_pressed = mouse_pressed_ && button == mbLeft;
  if (button == mbLeft) mouse_pressed_ = false;
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
  // System controls report their own clicks.
  const bool own_click = !IsWindowed() || static_cast<TWinControl*>(this)->SelfPainted();
  if (was_pressed && own_click && x >= 0 && y >= 0 && x < width_ && y < height_) Click();
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}
