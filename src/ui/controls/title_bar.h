// The painted caption strip at the top of every toolkit window: a horizontal gradient with the
// caption written over its own shadow.
#pragma once

#include "forms/forms.h"
#include "ui/core/title_bar_layout.h"

constexpr TColor kTitleStartColor = 0x4D3004;
constexpr TColor kTitleEndColor = 0xEFEFEF;

class TTitleBar : public TGraphicControl {
 public:
  explicit TTitleBar(TComponent* owner);

  bool Grayed() const { return grayed_; }
  // Repaints only the caption.
  void SetGrayed(bool v);
  TIconStyle IconStyle() const { return icon_style_; }
  void SetIconStyle(TIconStyle v);
  TColor CaptionColor() const { return caption_color_; }
  void SetCaptionColor(TColor v);
  TColor StartColor() const { return start_color_; }
  void SetStartColor(TColor v);
  TColor EndColor() const { return end_color_; }
  void SetEndColor(TColor v);

  void SetBounds(int left, int top, int width, int height) override;
  // Its font size is in points for the form's resolution: chosen anew, not scaled.
  void ChangeScale(int m, int d) override;
  // Where the caption's shadow goes, for the current size and style.
  TRect CaptionRect();

 protected:
  void Paint() override;

 private:
  void LayoutCaption();
  int PixelsPerInch() const;

  bool grayed_ = false;
  TIconStyle icon_style_ = isNone;
  TColor caption_color_ = clWhite;
  TColor start_color_ = kTitleStartColor;
  TColor end_color_ = kTitleEndColor;
  int caption_margin_ = 0;
  int caption_width_ = 0;
};
