#include "ui/controls/active_edit.h"

#include <algorithm>

TActiveEdit::TActiveEdit(TComponent* owner) : TEdit(owner) {}

TActiveEdit::~TActiveEdit() {
  label_.Restore();
}

void TActiveEdit::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

bool TActiveEdit::ShowsAligned() const {
  return alignment_ != taLeftJustify && !Focused();
}

void TActiveEdit::SetFlatStyle(bool v) {
  if (v == flat_) return;
  flat_ = v;
  RecreateWnd();
}

void TActiveEdit::SetBevelOuter(TBevelCut v) {
  if (v == look_.bevel) return;
  look_.bevel = v;
  RecreateWnd();
}

void TActiveEdit::SetBorderColor(TColor c) {
  if (c == look_.frame) return;
  look_.frame = c;
  RecreateWnd();
}

void TActiveEdit::SetBorderColorF(TColor c) {
  if (c == focused_frame_) return;
  focused_frame_ = c;
  RecreateWnd();
}

void TActiveEdit::SetCtl3D(bool v) {
  if (v == ctl3d_) return;
  ctl3d_ = v;
  RecreateWnd();
}

void TActiveEdit::CreateParams(TCreateParams& p) {
  TEdit::CreateParams(p);
  if (!ctl3d_ && BorderStyle() == bsSingle) {
    p.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
    p.Style |= WS_BORDER;
  }
}

void TActiveEdit::Notification(TComponent* component) {
  label_.Forget(component);
  TEdit::Notification(component);
}

void TActiveEdit::DrawBorder() {
  if (!flat_ || !ctl3d_ || BorderStyle() != bsSingle || !HandleAllocated()) return;
  FlatBorderLook look = look_;
  if (Focused()) look.frame = focused_frame_;
  look.inner = Color();
  DrawFlatBorder(Handle(), look);
}

void TActiveEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS:
      label_.Light(LabelColor);
      TEdit::WndProc(m);
      if (alignment_ != taLeftJustify) Invalidate();
      DrawBorder();
      return;
    case WM_KILLFOCUS:
      TEdit::WndProc(m);
      label_.Restore();
      if (alignment_ != taLeftJustify) Invalidate();
      DrawBorder();
      return;
    case WM_NCPAINT:
      TEdit::WndProc(m);
      DrawBorder();
      return;
    case WM_ERASEBKGND:
      if (ShowsAligned()) {
        m.Result = 1;
        return;
      }
      break;
    case WM_PAINT:
      if (ShowsAligned()) {
        PaintAligned();
        return;
      }
      break;
    default:
      break;
  }
  TEdit::WndProc(m);
}

int TActiveEdit::TextMargin() {
  if (BorderStyle() != bsSingle) return 0;
  HDC dc = GetDC(nullptr);
  TEXTMETRICW system{}, own{};
  HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
  GetTextMetricsW(dc, &system);
  SelectObject(dc, Font().Handle());
  GetTextMetricsW(dc, &own);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return std::min(system.tmHeight, own.tmHeight) / 4 - 2;
}

void TActiveEdit::PaintAligned() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  TCanvas& canvas = Canvas();
  canvas.SetHandle(dc);
  canvas.Font().Assign(Font());
  if (!Enabled()) canvas.Font().SetColor(clGray);
  canvas.Brush().SetColor(Color());
  TRect r = ClientRect();
  canvas.FillRect(r);
  const bool bordered = BorderStyle() == bsSingle;
  if (bordered) r = r.Inflate(-1, -1);
  std::string text = GetText();
  if (PasswordChar()) text.assign(text.size(), PasswordChar());
  const int margin = TextMargin();
  const int width = canvas.TextWidth(text);
  const int left =
      alignment_ == taRightJustify ? r.Right - margin - width : r.Left + (r.Width() - width) / 2;
  canvas.TextRect(r, left, margin, text);
  if (bordered && !ctl3d_) {
    canvas.Brush().SetColor(look_.frame);
    canvas.FrameRect(ClientRect());
  }
  canvas.SetHandle(nullptr);
  EndPaint(Handle(), &ps);
}
