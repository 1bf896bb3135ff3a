#include "ui/controls/title_bar.h"

#include "ui/core/gradient.h"
#include "ui/toolkit.h"

namespace {

constexpr UINT kCaptionFlags = DT_SINGLELINE | DT_CENTER | DT_NOPREFIX;

}  // namespace

TTitleBar::TTitleBar(TComponent* owner) : TGraphicControl(owner) {
  const TitleBarMetrics metrics = TitleBarMetricsFor(PixelsPerInch());
  Font().SetName("Ms Sans Serif");
  Font().SetStyle(fsBold);
  Font().SetColor(clBlack);
  Font().SetSize(metrics.font_size);
  SetColor(clActiveCaption);
  SetBounds(0, 0, 200, metrics.height);
}

int TTitleBar::PixelsPerInch() const {
  const auto* form = dynamic_cast<const TForm*>(Owner());
  return form ? form->PixelsPerInch : 96;
}

void TTitleBar::SetBounds(int left, int top, int width, int height) {
  TGraphicControl::SetBounds(left, top, width, height);
  LayoutCaption();
}

void TTitleBar::ChangeScale(int m, int d) {
  TGraphicControl::ChangeScale(m, d);
  Font().SetSize(TitleBarMetricsFor(PixelsPerInch()).font_size);
}

void TTitleBar::SetIconStyle(TIconStyle v) {
  if (v == icon_style_) return;
  icon_style_ = v;
  LayoutCaption();
  Invalidate();
}

void TTitleBar::LayoutCaption() {
  const TitleCaptionPlace place = PlaceTitleCaption(icon_style_, TitleIconFace().Width(), Width(),
                                                    Height(), 0, PixelsPerInch());
  caption_margin_ = place.margin;
  caption_width_ = place.area_width;
}

void TTitleBar::SetGrayed(bool v) {
  if (v == grayed_) return;
  grayed_ = v;
  if (Parent() && Visible()) {
    const TRect r = CaptionRect().Inflate(2, 1).Offset(Left(), Top());
    Parent()->InvalidateRect(r);
  }
}

void TTitleBar::SetCaptionColor(TColor v) {
  caption_color_ = v;
  Invalidate();
}

void TTitleBar::SetStartColor(TColor v) {
  start_color_ = v;
  Invalidate();
}

void TTitleBar::SetEndColor(TColor v) {
  end_color_ = v;
  Invalidate();
}

TRect TTitleBar::CaptionRect() {
  // Measured on the screen when the bar is not being painted.
  const bool own_dc = Canvas().Handle() == nullptr;
  HDC screen = own_dc ? GetDC(nullptr) : nullptr;
  if (own_dc) Canvas().SetHandle(screen);
  Canvas().Font().Assign(Font());
  TRect measure{0, 0, Screen.Width() / 2, 0};
  Canvas().DrawText(Caption(), measure, kCaptionFlags | DT_CALCRECT);
  if (own_dc) {
    Canvas().SetHandle(nullptr);
    ReleaseDC(nullptr, screen);
  }
  const TitleCaptionPlace place = PlaceTitleCaption(icon_style_, TitleIconFace().Width(), Width(),
                                                    Height(), measure.Height(), PixelsPerInch());
  return Bounds(place.text_left, place.text_top, caption_width_, measure.Height());
}

void TTitleBar::Paint() {
  TCanvas& canvas = Canvas();
  const int width = ClientWidth();
  if (HighColor()) {
    for (const GradientRun& run :
         TitleBarGradientRuns(ColorToRGB(start_color_), ColorToRGB(end_color_), width)) {
      canvas.Brush().SetColor(run.color);
      canvas.FillRect({run.left, 0, run.right, Height()});
    }
  } else {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
  }

  const std::string caption = Caption();
  if (caption.empty()) return;
  TRect box = CaptionRect();
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetColor(Font().Color());
  canvas.DrawText(caption, box, DT_SINGLELINE | DT_LEFT | DT_NOPREFIX);
  const TitleBarMetrics metrics = TitleBarMetricsFor(PixelsPerInch());
  box = box.Offset(metrics.caption_dx, metrics.caption_dy);
  canvas.Font().SetColor(grayed_ ? clBtnShadow : caption_color_);
  canvas.DrawText(caption, box, DT_SINGLELINE | DT_LEFT | DT_NOPREFIX);
  canvas.Brush().SetStyle(bsSolid);
}
