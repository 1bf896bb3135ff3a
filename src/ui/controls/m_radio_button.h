// A radio button drawn from the glyph library's radio picture, its caption red while focused.
#pragma once

#include "forms/buttons.h"

class TMRadioButton : public TRadioButton {
 public:
  explicit TMRadioButton(TComponent* owner);

  // Right: the circle at the left and the caption to its right; left: the circle at the right.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  bool Ctl3D = true;

 protected:
  void WndProc(TMessage& m) override;
  void DrawButton(const DRAWITEMSTRUCT& item) override;

 private:
  TAlignment alignment_ = taRightJustify;
};
