// A label whose caption carries inline formatting: colour, size and style changes, shadowed and
// blinking stretches. It grows to hold its text and can place itself in its parent.
#pragma once

#include <memory>
#include <vector>

#include "forms/graphic_controls.h"
#include "forms/timer.h"
#include "ui/core/fmt_caption.h"
#include "ui/core/fmt_layout.h"

class TFmtLabel : public TLabel {
 public:
  explicit TFmtLabel(TComponent* owner);
  ~TFmtLabel() override;

  // Where the label puts itself in its parent each time it paints.
  TMAlign FmtAlign() const { return fmt_align_; }
  void SetFmtAlign(TMAlign align);
  TColor ShadowColor() const { return shadow_color_; }
  void SetShadowColor(TColor colour);

  // Stops and frees the timers of the blinking stretches (they are made again at each paint).
  void Elibereaza_BlinkList();
  int BlinkCount() const { return static_cast<int>(blinks_.size()); }

 protected:
  void Paint() override;
  void TextChanged() override { Invalidate(); }
  void FontChanged() override { Invalidate(); }

 private:
  struct Blink {
    FmtSegment segment;
    int left = 0, top = 0;
    bool shown = true;
    std::unique_ptr<TTimer> timer;
  };
  void SelectFont(TCanvas& canvas, const FmtFont& font);
  void DrawSegment(TCanvas& canvas, const FmtSegment& segment, int left, int top, bool shown);
  void BlinkTick(Blink& blink);

  TMAlign fmt_align_ = alMNone;
  TColor shadow_color_ = clBtnShadow;
  std::vector<std::unique_ptr<Blink>> blinks_;
};
