#include "ui/controls/painted_panel.h"

#include "ui/controls/gradient_fill.h"
#include "ui/controls/text_drawing.h"
#include "ui/core/accelerator_text.h"
#include "ui/core/gradient.h"
#include "ui/core/panel_caption.h"

namespace {

constexpr UINT kCaptionFlags = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;

}  // namespace

TPaintedPanel::TPaintedPanel(TComponent* owner)
    : TPanel(owner), second_color_(Color()), border_color_(Color()) {
  DoubleBuffered = true;
}

void TPaintedPanel::SetUseHGradient(bool v) {
  use_h_gradient_ = v;
  Invalidate();
}

void TPaintedPanel::SetUseSecondColor(bool v) {
  use_second_color_ = v;
  Invalidate();
}

void TPaintedPanel::SetSecondColor(TColor v) {
  second_color_ = v;
  Invalidate();
}

void TPaintedPanel::SetUseBorderColor(bool v) {
  use_border_color_ = v;
  Invalidate();
  if (HandleAllocated()) PaintWindowBorder();
}

void TPaintedPanel::SetBorderColor(TColor v) {
  border_color_ = v;
  Invalidate();
  if (HandleAllocated()) PaintWindowBorder();
}

bool TPaintedPanel::Gradient() const {
  return ChoosePanelFill(use_second_color_, Color(), second_color_, use_h_gradient_) !=
         PanelFill::kSolid;
}

void TPaintedPanel::PaintBackground(TCanvas& canvas) {
  if (OnPaint || !Gradient()) {
    TPanel::PaintBackground(canvas);
    return;
  }
  if (!FillGradient(canvas, ClientRect(), Color(), second_color_, use_h_gradient_)) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
  }
}

void TPaintedPanel::Paint() {
  TCanvas& canvas = Canvas();
  if (OnPaint) {
    TPanel::Paint();
    OnPaint(this);
    return;
  }
  PaintCaption(canvas);
  if (use_border_color_ && BorderStyle() == bsNone) {
    PaintColouredBorder();
  } else {
    TRect r = ClientRect();
    DrawFrame(canvas, r);
  }
}

void TPaintedPanel::PaintCaption(TCanvas& canvas) {
  const std::string caption = PanelCaptionLines(Caption());
  if (caption.empty()) return;
  TRect measured{0, 0, Width() - kPanelCaptionInset, 0};
  canvas.DrawText(caption, measured, kCaptionFlags | DT_CALCRECT);
  const PanelTextOrigin origin =
      PlacePanelCaption(Width(), Height(), measured.Width(), measured.Height(), Alignment());
  const TRect box = Bounds(origin.left, origin.top, measured.Width(), measured.Height());
  canvas.Brush().SetStyle(bsClear);
  if (Enabled()) {
    const TColor highlight = PanelCaptionHighlighted(caption) ? clRed : canvas.Font().Color();
    DrawAcceleratorText(canvas, caption, box, Focused(), highlight, kCaptionFlags);
  } else {
    DrawEmbossedText(canvas, RemoveAmpersands(caption), box, kCaptionFlags);
  }
  canvas.Brush().SetStyle(bsSolid);
}

void TPaintedPanel::PaintColouredBorder() {
  TCanvas& canvas = Canvas();
  TColor outer = Color();
  if (TWinControl* parent = Parent()) outer = parent->Color();
  canvas.Brush().SetColor(outer);
  canvas.FrameRect(ClientRect());
  canvas.Brush().SetColor(border_color_);
  canvas.FrameRect(ClientRect().Inflate(-1, -1));
}

void TPaintedPanel::PaintWindowBorder() {
  if (!use_border_color_ || BorderStyle() != bsSingle || !HandleAllocated()) return;
  HDC dc = GetWindowDC(Handle());
  if (!dc) return;
  RECT wr;
  GetWindowRect(Handle(), &wr);
  TCanvas canvas(dc);
  const TRect outer{0, 0, wr.right - wr.left, wr.bottom - wr.top};
  canvas.Brush().SetColor(border_color_);
  canvas.FrameRect(outer);
  if (!Gradient()) {
    canvas.Brush().SetColor(Color());
    canvas.FrameRect(outer.Inflate(-1, -1));
  }
  canvas.SetHandle(nullptr);
  ReleaseDC(Handle(), dc);
}

void TPaintedPanel::WndProc(TMessage& m) {
  TPanel::WndProc(m);
  if (m.Msg == WM_NCPAINT || m.Msg == WM_SIZE) PaintWindowBorder();
}
