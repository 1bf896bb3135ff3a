#include "forms/graphic_controls.h"

#include <algorithm>

// --- TLabel ---

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  width_ = 65;
  height_ = 17;
  SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment a) {
  alignment_ = a;
  Invalidate();
}

void TLabel::SetAutoSize(bool v) {
  auto_size_ = v;
  AdjustBounds();
}

void TLabel::SetLayout(TTextLayout v) {
  layout_ = v;
  Invalidate();
}

void TLabel::SetWordWrap(bool v) {
  word_wrap_ = v;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool v) {
  transparent_ = v;
  Invalidate();
}

void TLabel::SetShowAccelChar(bool v) {
  show_accel_char_ = v;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetFocusControl(TWinControl* control) {
  if (focus_control_) RemoveFreeNotification(focus_control_);
  focus_control_ = control;
  if (control) FreeNotification(control);
}

void TLabel::Notification(TComponent* component) {
  if (component == focus_control_) focus_control_ = nullptr;
}

bool TLabel::DialogChar(char key) {
  if (!show_accel_char_ || !focus_control_ || !IsAccel(key, Caption()) ||
      !focus_control_->CanFocus())
    return false;
  focus_control_->SetFocus();
  return true;
}

void TLabel::TextChanged() {
  AdjustBounds();
  Invalidate();
}

void TLabel::FontChanged() {
  AdjustBounds();
  Invalidate();
}

UINT TLabel::TextFlags() const {
  static const UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  UINT flags = DT_EXPANDTABS | kAlign[alignment_];
  flags |= word_wrap_ ? DT_WORDBREAK : DT_SINGLELINE;
  if (!show_accel_char_) flags |= DT_NOPREFIX;
  return flags;
}

void TLabel::AdjustBounds() {
  if (!auto_size_ || Destroying()) return;
  HDC dc = GetDC(nullptr);
  TCanvas canvas(dc);
  canvas.Font().Assign(Font());
  std::string text = Caption();
  if (text.empty()) text = " ";
  TRect r{0, 0, word_wrap_ ? width_ : 0, 0};
  canvas.DrawText(text, r, (TextFlags() & ~static_cast<UINT>(DT_RIGHT | DT_CENTER)) | DT_CALCRECT);
  canvas.SetHandle(nullptr);
  ReleaseDC(nullptr, dc);
  // A right-aligned label keeps its right edge where it was.
  const int left = alignment_ == taRightJustify ? left_ + width_ - r.Width() : left_;
  SetBounds(left, top_, r.Width(), r.Height());
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  if (!transparent_) canvas.FillRect(ClientRect());
  canvas.Brush().SetStyle(bsClear);
  const std::string text = Caption();
  TRect r = ClientRect();
  if (layout_ != tlTop) {
    TRect measured = r;
    canvas.DrawText(text, measured, TextFlags() | DT_CALCRECT);
    const int free = r.Height() - measured.Height();
    r.Top += layout_ == tlCenter ? free / 2 : free;
  }
  if (Enabled()) {
    canvas.DrawText(text, r, TextFlags());
    return;
  }
  TRect shifted = r.Offset(1, 1);
  canvas.Font().SetColor(clBtnHighlight);
  canvas.DrawText(text, shifted, TextFlags());
  canvas.Font().SetColor(clBtnShadow);
  canvas.DrawText(text, r, TextFlags());
}

// --- TBevel ---

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  width_ = 50;
  height_ = 50;
}

void TBevel::SetShape(TBevelShape s) {
  shape_ = s;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle s) {
  style_ = s;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas& canvas = Canvas();
  const TColor first = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
  const TColor second = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
  const int w = width_, h = height_;
  auto line = [&](TColor c, int x1, int y1, int x2, int y2) {
    canvas.Pen().SetColor(c);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  TRect r = ClientRect();
  switch (shape_) {
    case bsBox:
      Frame3D(canvas, r, first, second, 1);
      break;
    case bsFrame: {
      TRect outer{0, 0, w - 1, h - 1};
      Frame3D(canvas, outer, first, first, 1);
      TRect inner{1, 1, w, h};
      Frame3D(canvas, inner, second, second, 1);
      break;
    }
    case bsTopLine:
      line(first, 0, 0, w, 0);
      line(second, 0, 1, w, 1);
      break;
    case bsBottomLine:
      line(first, 0, h - 2, w, h - 2);
      line(second, 0, h - 1, w, h - 1);
      break;
    case bsLeftLine:
      line(first, 0, 0, 0, h);
      line(second, 1, 0, 1, h);
      break;
    case bsRightLine:
      line(first, w - 2, 0, w - 2, h);
      line(second, w - 1, 0, w - 1, h);
      break;
    case bsSpacer:
      break;
  }
}

// --- TImage ---

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  width_ = 105;
  height_ = 105;
  picture_.OnChange = [this] { PictureChanged(); };
}

void TImage::PictureChanged() {
  if (auto_size_ && !picture_.Empty()) SetBounds(left_, top_, picture_.Width(), picture_.Height());
  Invalidate();
}

void TImage::SetStretch(bool v) {
  stretch_ = v;
  Invalidate();
}

void TImage::SetCenter(bool v) {
  center_ = v;
  Invalidate();
}

void TImage::SetTransparent(bool v) {
  transparent_ = v;
  Invalidate();
}

void TImage::SetAutoSize(bool v) {
  auto_size_ = v;
  PictureChanged();
}

void TImage::Paint() {
  if (picture_.Empty()) return;
  TRect dest = Bounds(0, 0, picture_.Width(), picture_.Height());
  if (stretch_) {
    dest = ClientRect();
  } else if (center_) {
    dest = dest.Offset((width_ - picture_.Width()) / 2, (height_ - picture_.Height()) / 2);
  }
  TCanvas& canvas = Canvas();
  if (transparent_) {
    canvas.DrawTransparent(dest, picture_, Bounds(0, 0, picture_.Width(), picture_.Height()),
                           picture_.Pixel(0, 0));
  } else {
    canvas.StretchDraw(dest, picture_);
  }
}

// --- TGauge ---

TGauge::TGauge(TComponent* owner) : TGraphicControl(owner) {
  width_ = 100;
  height_ = 100;
}

void TGauge::SetMinValue(int v) {
  min_ = v;
  if (max_ < min_) max_ = min_;
  SetProgress(progress_);
  Invalidate();
}

void TGauge::SetMaxValue(int v) {
  max_ = v;
  if (min_ > max_) min_ = max_;
  SetProgress(progress_);
  Invalidate();
}

void TGauge::SetProgress(int v) {
  v = std::clamp(v, min_, max_);
  if (v == progress_) return;
  progress_ = v;
  Invalidate();
}

int TGauge::PercentDone() const {
  const long long range = static_cast<long long>(max_) - min_;
  if (range <= 0) return 0;
  return static_cast<int>((static_cast<long long>(progress_) - min_) * 100 / range);
}

void TGauge::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  if (BorderStyle == bsSingle) {
    canvas.Brush().SetColor(clBlack);
    canvas.FrameRect(r);
    r = r.Inflate(-1, -1);
  }
  canvas.Brush().SetColor(BackColor);
  canvas.FillRect(r);
  TRect bar = r;
  const int percent = PercentDone();
  if (Kind == gkHorizontalBar)
    bar.Right = r.Left + r.Width() * percent / 100;
  else
    bar.Top = r.Bottom - r.Height() * percent / 100;
  canvas.Brush().SetColor(ForeColor);
  canvas.FillRect(bar);
  if (!ShowText) return;
  // The text takes the opposite colour where the bar lies under it.
  const std::string text = std::to_string(percent) + "%";
  canvas.Brush().SetStyle(bsClear);
  canvas.TextHeight(text);  // selects the font before the saved state, so it survives
  HDC dc = canvas.Handle();
  const int saved = SaveDC(dc);
  canvas.ClipTo(bar);
  canvas.Font().SetColor(BackColor);
  TRect t = r;
  canvas.DrawText(text, t, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  RestoreDC(dc, saved);
  const int saved2 = SaveDC(dc);
  ExcludeClipRect(dc, bar.Left, bar.Top, bar.Right, bar.Bottom);
  canvas.Font().SetColor(ForeColor);
  t = r;
  canvas.DrawText(text, t, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  RestoreDC(dc, saved2);
}
