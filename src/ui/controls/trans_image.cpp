#include "ui/controls/trans_image.h"

#include "ui/glyphs/glyph_images.h"

TTransImage::TTransImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 24, 24);
}

const TBitmap& TTransImage::Shown() const {
  if (kind_mic_ != mkCustom) return KindGlyph(kind_mic_);
  if (kind_mare_ != mtCustom) return MessageIcon(kind_mare_);
  if (kind_alte_ != glCustom) return AlteGlyph(kind_alte_);
  return bitmap_;
}

void TTransImage::PictureChanged() {
  const TBitmap& shown = Shown();
  if (auto_size_ && !shown.Empty()) SetBounds(Left(), Top(), shown.Width(), shown.Height());
  Invalidate();
}

void TTransImage::SetAutoSize(bool v) {
  auto_size_ = v;
  if (v) PictureChanged();
}

void TTransImage::SetBitmap(const TBitmap& bitmap) {
  bitmap_.Assign(bitmap);
  ResetKinds();
  PictureChanged();
}

void TTransImage::SetVisible(bool v) {
  if (v == shown_) return;
  shown_ = v;
  if (Parent()) Parent()->InvalidateRect(BoundsRect());
}

void TTransImage::SetTransparent(bool v) {
  transparent_ = v;
  Invalidate();
}

void TTransImage::ResetKinds() {
  kind_mic_ = mkCustom;
  kind_mare_ = mtCustom;
  kind_alte_ = glCustom;
}

void TTransImage::SetKindMic(TMButtonKind v) {
  ResetKinds();
  kind_mic_ = v;
  PictureChanged();
}

void TTransImage::SetKindMare(TMsgDlgType v) {
  ResetKinds();
  kind_mare_ = v;
  PictureChanged();
}

void TTransImage::SetKindAlte(TAlteGlife v) {
  ResetKinds();
  kind_alte_ = v;
  PictureChanged();
}

void TTransImage::Paint() {
  const TBitmap& shown = Shown();
  if (!shown_ || shown.Empty()) return;
  const TColor background = shown.Pixel(0, 0);
  const TRect source{0, 0, shown.Width(), shown.Height()};
  if (transparent_) {
    Canvas().DrawTransparent(ClientRect(), shown, source, background);
  } else {
    Canvas().StretchDraw(ClientRect(), shown);
  }
}
