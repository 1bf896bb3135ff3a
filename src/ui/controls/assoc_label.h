// The label tied to an edit or combo box: it names the field, takes the field as its focus
// control and lights up while the field has the focus.
#pragma once

#include "forms/graphic_controls.h"

class TAssocLabel {
 public:
  TLabel* Label() const { return label_; }
  // `field` hears when the label is freed and passes it on to Forget.
  void Set(TWinControl& field, TLabel* label);
  void Forget(const TComponent* component);
  // Saves the label's font colour and style and shows it in `colour`.
  void Light(TColor colour);
  void Restore();

 private:
  TLabel* label_ = nullptr;
  bool lit_ = false;
  TColor saved_colour_ = clWindowText;
  TFontStyles saved_style_ = 0;
};
