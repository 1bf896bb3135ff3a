// A picture whose background (the colour of its top-left pixel) lets the parent show through;
// it shows its own bitmap or any glyph of the library by kind.
#pragma once

#include "forms/forms.h"
#include "ui/core/button_kind.h"
#include "ui/glyphs/alte_glife.h"
#include "ui/message/mesaj_dlg.h"

class TTransImage : public TGraphicControl {
 public:
  explicit TTransImage(TComponent* owner);

  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  const TBitmap& Bitmap() const { return bitmap_; }
  // Copies the picture and forgets any kind.
  void SetBitmap(const TBitmap& bitmap);
  // Its own flag: the control keeps its place (and its mouse events) while the picture is gone.
  bool Visible() const { return shown_; }
  void SetVisible(bool v) override;
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  // Setting one kind resets the other two.
  TMButtonKind KindMic() const { return kind_mic_; }
  void SetKindMic(TMButtonKind v);
  TMsgDlgType KindMare() const { return kind_mare_; }
  void SetKindMare(TMsgDlgType v);
  TAlteGlife KindAlte() const { return kind_alte_; }
  void SetKindAlte(TAlteGlife v);

  // The glyph of the kind that is set, else the own bitmap.
  const TBitmap& Shown() const;

 protected:
  void Paint() override;

 private:
  void ResetKinds();
  void PictureChanged();

  TBitmap bitmap_;
  bool auto_size_ = true;
  bool shown_ = true;
  bool transparent_ = true;
  TMButtonKind kind_mic_ = mkCustom;
  TMsgDlgType kind_mare_ = mtCustom;
  TAlteGlife kind_alte_ = glCustom;
};
