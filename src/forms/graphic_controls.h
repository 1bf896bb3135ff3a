// Controls without a window, painted by their parent: label, bevel, image, gauge.
#pragma once

#include "forms/controls.h"

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout v);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool v);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  bool ShowAccelChar() const { return show_accel_char_; }
  void SetShowAccelChar(bool v);
  // The control that gets the focus when the label's accelerator is pressed.
  TWinControl* FocusControl() const { return focus_control_; }
  void SetFocusControl(TWinControl* control);

  bool DialogChar(char key) override;

 protected:
  void Paint() override;
  void TextChanged() override;
  void FontChanged() override;
  void Notification(TComponent* component) override;
  // DrawText flags for the caption as the label shows it.
  UINT TextFlags() const;
  void AdjustBounds();

 private:
  TAlignment alignment_ = taLeftJustify;
  bool auto_size_ = true;
  TTextLayout layout_ = tlTop;
  bool word_wrap_ = false;
  bool transparent_ = false;
  bool show_accel_char_ = true;
  TWinControl* focus_control_ = nullptr;
};

enum TBevelShape : uint8_t {
  bsBox,
  bsFrame,
  bsTopLine,
  bsBottomLine,
  bsLeftLine,
  bsRightLine,
  bsSpacer,
};
enum TBevelStyle : uint8_t { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
 public:
  explicit TBevel(TComponent* owner);
  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape s);
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle s);

 protected:
  void Paint() override;

 private:
  TBevelShape shape_ = bsBox;
  TBevelStyle style_ = bsLowered;
};

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  // Changing the picture repaints the image (and resizes it when AutoSize is on).
  TBitmap& Picture() { return picture_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool v);
  bool Center() const { return center_; }
  void SetCenter(bool v);
  // Leaves out the colour of the picture's top-left pixel.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);

 protected:
  void Paint() override;

 private:
  void PictureChanged();
  TBitmap picture_;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
  bool auto_size_ = false;
};

enum TGaugeKind : uint8_t { gkHorizontalBar, gkVerticalBar };

// A progress bar with its percentage written across it.
class TGauge : public TGraphicControl {
 public:
  explicit TGauge(TComponent* owner);
  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  int Progress() const { return progress_; }
  void SetMinValue(int v);
  void SetMaxValue(int v);
  // Clamped to the range.
  void SetProgress(int v);
  void AddProgress(int v) { SetProgress(progress_ + v); }
  // 0 to 100; 0 for an empty range.
  int PercentDone() const;
  TGaugeKind Kind = gkHorizontalBar;
  TColor ForeColor = clNavy;
  TColor BackColor = clWhite;
  bool ShowText = true;
  TBorderStyle BorderStyle = bsSingle;

 protected:
  void Paint() override;

 private:
  int min_ = 0, max_ = 100, progress_ = 0;
};
