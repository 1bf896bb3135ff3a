// Check boxes drawn from glyph pictures: unchecked, checked and, when allowed, grayed; a click,
// the space bar or the caption's accelerator moves to the next state.
#pragma once

#include "forms/buttons.h"

class TMCustomCheckBox : public TCheckBox {
 public:
  explicit TMCustomCheckBox(TComponent* owner);

 protected:
  void WndProc(TMessage& m) override;
};

class TActiveCheckBox : public TMCustomCheckBox {
 public:
  explicit TActiveCheckBox(TComponent* owner);

  // Right: the box at the left and the caption to its right; left: the box at the right edge.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  // Three images side by side: checked, unchecked, grayed; used when CustomGlyph is set.
  TBitmap& Glyph() { return glyph_; }
  bool CustomGlyph() const { return custom_glyph_; }
  void SetCustomGlyph(bool v);

 protected:
  void DrawButton(const DRAWITEMSTRUCT& item) override;

 private:
  TAlignment alignment_ = taRightJustify;
  TBitmap glyph_;
  bool custom_glyph_ = false;
};
