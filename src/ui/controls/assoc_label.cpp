#include "ui/controls/assoc_label.h"

void TAssocLabel::Set(TWinControl& field, TLabel* label) {
  if (label == label_) return;
  Restore();
  if (label_) field.RemoveFreeNotification(label_);
  label_ = label;
  if (!label) return;
  field.FreeNotification(label);
  label->SetFocusControl(&field);
}

void TAssocLabel::Forget(const TComponent* component) {
  if (component != label_) return;
  label_ = nullptr;
  lit_ = false;
}

void TAssocLabel::Light(TColor colour) {
  if (!label_ || lit_) return;
  saved_colour_ = label_->Font().Color();
  saved_style_ = label_->Font().Style();
  lit_ = true;
  label_->Font().SetColor(colour);
}

void TAssocLabel::Restore() {
  if (!label_ || !lit_) return;
  lit_ = false;
  label_->Font().SetColor(saved_colour_);
  label_->Font().SetStyle(saved_style_);
}
