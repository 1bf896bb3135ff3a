#include "forms/panels.h"

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  width_ = 185;
  height_ = 41;
}

void TPanel::CreateParams(TCreateParams& p) {
  TCustomControl::CreateParams(p);
  if (border_style_ == bsSingle) p.Style |= WS_BORDER;
}

void TPanel::SetAlignment(TAlignment a) {
  alignment_ = a;
  Invalidate();
}

void TPanel::SetBevelInner(TBevelCut v) {
  bevel_inner_ = v;
  Realign();
  Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut v) {
  bevel_outer_ = v;
  Realign();
  Invalidate();
}

void TPanel::SetBevelWidth(int v) {
  bevel_width_ = v < 1 ? 1 : v;
  Realign();
  Invalidate();
}

void TPanel::SetBorderWidth(int v) {
  border_width_ = v < 0 ? 0 : v;
  Realign();
  Invalidate();
}

void TPanel::SetBorderStyle(TBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  RecreateWnd();
}

int TPanel::FrameWidth() const {
  int w = border_width_;
  if (bevel_outer_ != bvNone) w += bevel_width_;
  if (bevel_inner_ != bvNone) w += bevel_width_;
  return w;
}

void TPanel::AlignControls(TRect& r) {
  const int f = FrameWidth();
  r = r.Inflate(-f, -f);
  TCustomControl::AlignControls(r);
}

void TPanel::DrawFrame(TCanvas& canvas, TRect& r) {
  auto bevel = [&](TBevelCut cut) {
    if (cut == bvNone) return;
    const bool raised = cut == bvRaised;
    Frame3D(canvas, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight,
            bevel_width_);
  };
  bevel(bevel_outer_);
  Frame3D(canvas, r, Color(), Color(), border_width_);
  bevel(bevel_inner_);
}

void TPanel::DrawCaption(TCanvas& canvas, const TRect& r) {
  const std::string text = Caption();
  if (text.empty()) return;
  static const UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  TRect box = r;
  canvas.Brush().SetStyle(bsClear);
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.DrawText(text, box, DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | kAlign[alignment_]);
}

void TPanel::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  DrawFrame(canvas, r);
  DrawCaption(canvas, r);
}

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
  width_ = 185;
  height_ = 105;
}

int TGroupBox::CaptionHeight() {
  HDC dc = GetDC(nullptr);
  TCanvas canvas(dc);
  canvas.Font().Assign(Font());
  const int h = canvas.TextHeight("0");
  canvas.SetHandle(nullptr);
  ReleaseDC(nullptr, dc);
  return h;
}

void TGroupBox::AlignControls(TRect& r) {
  r = {r.Left + 2, r.Top + CaptionHeight(), r.Right - 2, r.Bottom - 2};
  TCustomControl::AlignControls(r);
}

void TGroupBox::Paint() {
  TCanvas& canvas = Canvas();
  const int h = canvas.TextHeight("0");
  TRect frame{0, h / 2, Width(), Height()};
  // An etched line: shadow, then highlight one pixel right and down.
  canvas.Brush().SetColor(clBtnHighlight);
  canvas.FrameRect(frame.Offset(1, 1).Inflate(0, 0));
  canvas.Brush().SetColor(clBtnShadow);
  canvas.FrameRect({frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1});
  const std::string text = Caption();
  if (text.empty()) return;
  TRect box{8, 0, 0, 0};
  canvas.DrawText(text, box, DT_CALCRECT | DT_SINGLELINE);
  box = box.Inflate(2, 0);
  canvas.Brush().SetColor(Color());
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.DrawText(text, box, DT_SINGLELINE | DT_CENTER);
}
