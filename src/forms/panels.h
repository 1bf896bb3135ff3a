// Containers painted by the framework: panel and group box.
#pragma once

#include "forms/controls.h"

class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  TBevelCut BevelInner() const { return bevel_inner_; }
  void SetBevelInner(TBevelCut v);
  TBevelCut BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TBevelCut v);
  int BevelWidth() const { return bevel_width_; }
  void SetBevelWidth(int v);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int v);
  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle style);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void AlignControls(TRect& rect) override;
  // The bevels and the border ring between them; shrinks `r` to what is inside.
  void DrawFrame(TCanvas& canvas, TRect& r);
  void DrawCaption(TCanvas& canvas, const TRect& r);
  int FrameWidth() const;

 private:
  TAlignment alignment_ = taCenter;
  TBevelCut bevel_inner_ = bvNone;
  TBevelCut bevel_outer_ = bvRaised;
  int bevel_width_ = 1;
  int border_width_ = 0;
  TBorderStyle border_style_ = bsNone;
};

class TGroupBox : public TCustomControl {
 public:
  explicit TGroupBox(TComponent* owner);

 protected:
  void Paint() override;
  void AlignControls(TRect& rect) override;
  int CaptionHeight();
};
