// A panel that fills itself with a two-colour gradient and draws its own caption: "#" breaks
// lines, a disabled caption is embossed, and the frame may be a plain coloured line.
#pragma once

#include "forms/forms.h"

class TPaintedPanel : public TPanel {
 public:
  explicit TPaintedPanel(TComponent* owner);

  bool UseHGradient() const { return use_h_gradient_; }
  void SetUseHGradient(bool v);
  bool UseSecondColor() const { return use_second_color_; }
  void SetUseSecondColor(bool v);
  TColor SecondColor() const { return second_color_; }
  void SetSecondColor(TColor v);
  bool UseBorderColor() const { return use_border_color_; }
  void SetUseBorderColor(bool v);
  TColor BorderColor() const { return border_color_; }
  void SetBorderColor(TColor v);
  // When set, the panel paints as a plain panel and then leaves the rest to the handler.
  TNotifyEvent OnPaint;

 protected:
  void PaintBackground(TCanvas& canvas) override;
  void Paint() override;
  void WndProc(TMessage& m) override;

 private:
  bool Gradient() const;
  void PaintCaption(TCanvas& canvas);
  void PaintColouredBorder();
  void PaintWindowBorder();

  bool use_h_gradient_ = false;
  bool use_second_color_ = false;
  TColor second_color_;
  bool use_border_color_ = false;
  TColor border_color_;
};
