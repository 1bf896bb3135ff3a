#include "ui/controls/m_button.h"

#include "ui/controls/text_drawing.h"
#include "ui/core/accelerator_text.h"
#include "ui/glyphs/glyph_images.h"

TMButton::TMButton(TComponent* owner) : TButton(owner) {
  width_ = 90;
  height_ = 40;
  DoubleBuffered = true;
  SetOwnerDraw(true);
}

void TMButton::SetKind(TMButtonKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  if (KindHidesCaption(kind)) caption_visible_ = false;
  if (Caption().empty()) SetCaption(std::string(KindCaption(kind)));
  if (!modal_result_set_) TButton::SetModalResult(KindModalResult(kind));
  Invalidate();
}

void TMButton::SetModalResult(TModalResult result) {
  modal_result_set_ = true;
  TButton::SetModalResult(result);
}

void TMButton::SetColorOver(TColor colour) {
  color_over_ = colour;
  Invalidate();
}

void TMButton::SetLightButton(bool v) {
  light_ = v;
  Invalidate();
}

void TMButton::SetCaptionVisible(bool v) {
  caption_visible_ = v;
  Invalidate();
}

void TMButton::SetStyle(TButtonStyle style) {
  style_ = style;
  Invalidate();
}

void TMButton::SetNumGlyphs(int n) {
  num_glyphs_ = n < 1 ? 1 : n;
  Invalidate();
}

void TMButton::SetMargin(int v) {
  margin_ = v;
  Invalidate();
}

void TMButton::SetSpacing(int v) {
  spacing_ = v;
  Invalidate();
}

void TMButton::SetButtonLayout(TButtonLayout layout) {
  layout_ = layout;
  Invalidate();
}

void TMButton::SetHot(bool hot) {
  if (hot == hot_) return;
  hot_ = hot;
  Invalidate();
}

void TMButton::MouseEnter() {
  SetHot(true);
  if (light_ && !Focused() && CanFocus()) {
    // The focus follows the mouse from one light button to the next.
    auto* focused = dynamic_cast<TMButton*>(FromHandle(GetFocus()));
    if (focused && focused != this && focused->light_) SetFocus();
  }
  TButton::MouseEnter();
}

void TMButton::MouseLeave() {
  if (!Focused()) SetHot(false);
  TButton::MouseLeave();
}

void TMButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS:
      SetHot(true);
      break;
    case WM_KILLFOCUS:
      SetHot(false);
      break;
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button would take the second click of a quick pair as a double click.
      m.Msg = WM_LBUTTONDOWN;
      break;
    default:
      break;
  }
  TButton::WndProc(m);
}

const TBitmap& TMButton::ShownGlyph() const {
  return glyph_.Empty() ? KindGlyph(kind_) : glyph_;
}

void TMButton::DrawButton(const DRAWITEMSTRUCT& item) {
  const int w = item.rcItem.right - item.rcItem.left, h = item.rcItem.bottom - item.rcItem.top;
  if (w <= 0 || h <= 0) return;
  TBitmap buffer(w, h);
  TCanvas& canvas = buffer.Canvas();
  canvas.Font().Assign(Font());
  Render(canvas, (item.itemState & ODS_FOCUS) != 0, (item.itemState & ODS_SELECTED) != 0);
  Canvas().Draw(item.rcItem.left, item.rcItem.top, buffer);
}

void TMButton::DrawFace(TCanvas& canvas, TRect& r, bool focused, bool down) {
  const bool new_style = style_ != bsWin31;
  if (!new_style && !light_ && (focused || Default())) {
    canvas.Brush().SetColor(clBlack);
    canvas.FrameRect(r);
    r = r.Inflate(-1, -1);
  }
  if (down) {
    Frame3D(canvas, r, cl3DDkShadow, clBtnHighlight, 1);
    Frame3D(canvas, r, clBtnShadow, cl3DLight, 1);
  } else {
    Frame3D(canvas, r, clBtnHighlight, cl3DDkShadow, 1);
    Frame3D(canvas, r, cl3DLight, clBtnShadow, 1);
  }
  canvas.Brush().SetColor(color_over_);
  canvas.FillRect(r);
}

void TMButton::Render(TCanvas& canvas, bool focused, bool down) {
  const bool enabled = Enabled();
  if (!enabled) down = false;
  TRect face = ClientRect();
  TColor face_colour = Color();
  if (!light_ || hot_) {
    if (!light_ && (focused || Default())) canvas.Font().SetStyle(canvas.Font().Style() | fsBold);
    DrawFace(canvas, face, focused, down);
    face_colour = color_over_;
  } else {
    canvas.Brush().SetColor(face_colour);
    canvas.FillRect(face);
  }

  // The glyph's background takes the face colour, which is then left out.
  TBitmap glyph = ShownGlyph();
  RecolorBitmapBackground(glyph, face_colour);
  const int count = num_glyphs_;
  const int image = !enabled ? 1 : down ? 2 : 0;
  const int gw = glyph.Empty() ? 0 : GlyphImageWidth(glyph.Width(), count);
  const int gh = glyph.Empty() ? 0 : glyph.Height();

  const std::string caption = caption_visible_ ? Caption() : std::string();
  int tw = 0, th = 0;
  if (!caption.empty()) {
    TRect measured{0, 0, 0, 0};
    canvas.DrawText(RemoveAmpersands(caption), measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    tw = measured.Width();
    th = measured.Height();
  }
  const int shift = down ? 1 : 0;
  const ButtonContentPlace place =
      PlaceButtonContent(width_, height_, gw, gh, tw, th, layout_, margin_, spacing_);
  if (gw > 0) {
    DrawGlyphImage(canvas, place.glyph_left + shift, place.glyph_top + shift, glyph,
                   image < count ? image : 0, count);
  }
  if (!caption.empty()) {
    canvas.Brush().SetStyle(bsClear);
    const TRect text = Bounds(place.text_left + shift, place.text_top + shift, tw + 2, th);
    if (enabled) {
      DrawAcceleratorText(canvas, caption, text, focused, clRed, DT_SINGLELINE | DT_LEFT);
    } else {
      DrawEmbossedText(canvas, caption, text, DT_SINGLELINE | DT_LEFT);
    }
    canvas.Brush().SetStyle(bsSolid);
  }
  if (!light_ && focused) {
    TRect r = ClientRect().Inflate(-2, -2);
    if (style_ != bsWin31) r = r.Inflate(-2, -2);
    if (down) r = r.Offset(-1, -1);
    const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    SetTextColor(canvas.Handle(), 0);
    SetBkColor(canvas.Handle(), 0xFFFFFF);
    DrawFocusRect(canvas.Handle(), &rc);
  }
}
