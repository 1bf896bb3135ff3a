#include "ui/controls/nice_button.h"

#include <windowsx.h>

#include "ui/controls/text_drawing.h"
#include "ui/core/accelerator_text.h"
#include "ui/glyphs/glyph_images.h"
#include "ui/glyphs/glyph_library.h"

namespace {

TNiceButton* g_highlighted = nullptr;

constexpr unsigned kPressedMilliseconds = 20;

}  // namespace

TNiceButton::TNiceButton(TComponent* owner) : TButton(owner), press_timer_(new TTimer(this)) {
  width_ = 100;
  height_ = 28;
  DoubleBuffered = true;
  SetOwnerDraw(true);
  press_timer_->SetEnabled(false);
  press_timer_->SetInterval(kPressedMilliseconds);
  press_timer_->SetOnTimer([this](TObject*) {
    press_timer_->SetEnabled(false);
    SetForcedDown(false);
    if (Focused()) SetHighlighted(true);
  });
}

TNiceButton::~TNiceButton() {
  if (g_highlighted == this) g_highlighted = nullptr;
}

TNiceButton* TNiceButton::HighlightedButton() {
  return g_highlighted;
}

void TNiceButton::SetKind(TMButtonKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  if (!caption_set_) {
    setting_kind_ = true;
    TButton::SetText(std::string(KindCaption(kind)));
    setting_kind_ = false;
  }
  if (!modal_result_set_) TButton::SetModalResult(KindModalResult(kind));
  DropBuffers();
  Invalidate();
}

void TNiceButton::SetModalResult(TModalResult result) {
  modal_result_set_ = true;
  TButton::SetModalResult(result);
}

void TNiceButton::SetText(const std::string& text) {
  if (!setting_kind_) caption_set_ = true;
  TButton::SetText(text);
  DropBuffers();
  Invalidate();
}

void TNiceButton::SetCaptionVisible(bool v) {
  caption_visible_ = v;
  DropBuffers();
  Invalidate();
}

void TNiceButton::SetNumGlyphs(int n) {
  num_glyphs_ = n < 1 ? 1 : n;
  DropBuffers();
  Invalidate();
}

void TNiceButton::SetButtonLayout(TButtonLayout layout) {
  layout_ = layout;
  DropBuffers();
  Invalidate();
}

void TNiceButton::SetInsideDraw(bool v) {
  inside_draw_ = v;
  DropBuffers();
  Invalidate();
}

void TNiceButton::SetStretch(bool v) {
  stretch_ = v;
  DropBuffers();
  Invalidate();
}

void TNiceButton::SetBuffered(bool v) {
  buffered_ = v;
  DropBuffers();
  Invalidate();
}

void TNiceButton::SetForcedDown(bool v) {
  if (v) {
    // Every press starts the short wait again.
    press_timer_->SetEnabled(false);
    press_timer_->SetEnabled(true);
  }
  if (v == forced_down_) return;
  forced_down_ = v;
  Repaint();
}

void TNiceButton::SetHighlighted(bool v) {
  if (v == highlighted_) return;
  if (v) {
    if (g_highlighted && g_highlighted != this) g_highlighted->SetHighlighted(false);
    g_highlighted = this;
  } else if (g_highlighted == this) {
    g_highlighted = nullptr;
  }
  highlighted_ = v;
  Invalidate();
}

void TNiceButton::Click() {
  SetForcedDown(true);
  TButton::Click();  // may free the button: nothing after this
}

void TNiceButton::MouseEnter() {
  SetHighlighted(true);
  TButton::MouseEnter();
}

void TNiceButton::MouseLeave() {
  SetHighlighted(false);
  TButton::MouseLeave();
}

void TNiceButton::Resize() {
  DropBuffers();
  TButton::Resize();
}

void TNiceButton::DropBuffers() {
  for (auto& look : looks_) look.reset();
}

const TBitmap& TNiceButton::ShownGlyph() const {
  return kind_ == mkCustom ? glyph_ : NiceKindGlyph(kind_);
}

NiceButtonInput TNiceButton::Input(NiceLook look) const {
  const TBitmap& face = GlyphImage(kButtonFaceImage);
  return {width_,       height_, face.Width(), face.Height(), look, !ShownGlyph().Empty(),
          inside_draw_, stretch_};
}

bool TNiceButton::HitTest(int x, int y) const {
  return NiceButtonHit(Input(NiceLook::kNormal), x, y);
}

void TNiceButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_NCHITTEST: {
      TButton::WndProc(m);
      if (m.Result != HTCLIENT) return;
      POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      ::ScreenToClient(Handle(), &p);
      if (!HitTest(p.x, p.y)) {
        m.Result = HTNOWHERE;
        SetHighlighted(false);
      }
      return;
    }
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button would take the second click of a quick pair as a double click.
      m.Msg = WM_LBUTTONDOWN;
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      break;
    default:
      break;
  }
  TButton::WndProc(m);
}

void TNiceButton::DrawButton(const DRAWITEMSTRUCT& item) {
  const int w = item.rcItem.right - item.rcItem.left, h = item.rcItem.bottom - item.rcItem.top;
  if (w <= 0 || h <= 0) return;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  Look look = kNormal;
  if (!Enabled()) {
    look = kDisabled;
  } else if (forced_down_ || (item.itemState & ODS_SELECTED)) {
    look = kPressed;
  } else if (highlighted_) {
    look = kHighlighted;
  }
  if (!buffered_) {
    TBitmap buffer(w, h);
    buffer.Canvas().Font().Assign(Font());
    Render(buffer.Canvas(), look, focused);
    Canvas().Draw(item.rcItem.left, item.rcItem.top, buffer);
    return;
  }
  if (looks_focused_ != focused) DropBuffers();
  looks_focused_ = focused;
  auto& shown = looks_[look];
  if (!shown || shown->Width() != w || shown->Height() != h) {
    shown = std::make_unique<TBitmap>(w, h);
    shown->Canvas().Font().Assign(Font());
    Render(shown->Canvas(), look, focused);
  }
  Canvas().Draw(item.rcItem.left, item.rcItem.top, *shown);
}

void TNiceButton::Render(TCanvas& canvas, Look look, bool focused) {
  canvas.Brush().SetColor(Color());
  canvas.FillRect(ClientRect());
  const TBitmap& face = GlyphImage(kButtonFaceImage);
  if (face.Empty()) return;  // no skin to draw with

  const NiceLook face_look = look == kPressed       ? NiceLook::kPressed
                             : look == kHighlighted ? NiceLook::kHighlighted
                                                    : NiceLook::kNormal;
  const NiceButtonGeometry g = LayoutNiceButton(Input(face_look));
  const TColor key = face.Pixel(0, 0);
  for (const FacePiece& p : g.pieces) {
    const TRect src = Bounds(p.source.left, p.source.top, p.source.width, p.source.height);
    const TRect dst = Bounds(p.dest.left, p.dest.top, p.dest.width, p.dest.height);
    if (p.transparent) {
      canvas.DrawTransparent(dst, face, src, key);
    } else {
      StretchBlt(canvas.Handle(), dst.Left, dst.Top, dst.Width(), dst.Height(), face.DC(), src.Left,
                 src.Top, src.Width(), src.Height(), SRCCOPY);
    }
  }

  const std::string caption = Caption();
  if (caption_visible_ && !caption.empty()) {
    canvas.Font().SetStyle(canvas.Font().Style() | fsBold);
    canvas.Brush().SetStyle(bsClear);
    const int text_height = canvas.TextHeight("Wg");
    TRect r = Bounds(g.caption.left, g.caption.top + (g.caption.height - text_height) / 2,
                     g.caption.width, text_height);
    const UINT flags = DT_CENTER | DT_SINGLELINE;
    if (look == kDisabled) {
      DrawEmbossedText(canvas, caption, r, flags);
    } else if (look == kNormal) {
      DrawAcceleratorText(canvas, caption, r, focused, clRed, flags);
    } else {
      if (look == kPressed) r = r.Offset(1, 1);
      canvas.Font().SetColor(clRed);
      DrawAcceleratorText(canvas, caption, r, focused, clRed, flags);
    }
    canvas.Brush().SetStyle(bsSolid);
  }

  const TBitmap& glyph = ShownGlyph();
  if (!glyph.Empty()) {
    const int gw = GlyphImageWidth(glyph.Width(), num_glyphs_);
    const int x = inside_draw_ ? g.face_left + 4 : (kNiceGlyphArea - gw) / 2;
    const int image = look == kDisabled ? 1 : look == kPressed ? 2 : 0;
    DrawGlyphImage(canvas, x, (height_ - glyph.Height()) / 2, glyph, image, num_glyphs_);
  }
}
