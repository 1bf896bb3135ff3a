// An edit that lights its label while focused, shows its text right-aligned or centred only
// while it does not have the focus (editing always works as in a plain edit), and can draw a
// flat border.
#pragma once

#include "forms/edits.h"
#include "ui/controls/assoc_label.h"
#include "ui/controls/flat_border.h"

class TActiveEdit : public TEdit {
 public:
  explicit TActiveEdit(TComponent* owner);
  ~TActiveEdit() override;

  // How the text shows while the edit does not have the focus; with the focus it is left.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  // Whether the text is painted aligned at the moment.
  bool ShowsAligned() const;

  TLabel* AssocLabel() const { return label_.Label(); }
  void SetAssocLabel(TLabel* label) { label_.Set(*this, label); }
  TColor LabelColor = clHighlightText;

  // A change of any of these builds the window again.
  bool FlatStyle() const { return flat_; }
  void SetFlatStyle(bool v);
  TBevelCut BevelOuter() const { return look_.bevel; }
  void SetBevelOuter(TBevelCut v);
  TColor BorderColor() const { return look_.frame; }
  void SetBorderColor(TColor c);
  TColor BorderColorF() const { return focused_frame_; }
  void SetBorderColorF(TColor c);
  // A sunken border; without it a single border is a plain line.
  bool Ctl3D() const { return ctl3d_; }
  void SetCtl3D(bool v);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& m) override;
  void Notification(TComponent* component) override;

 private:
  void PaintAligned();
  void DrawBorder();
  int TextMargin();

  TAlignment alignment_ = taLeftJustify;
  TAssocLabel label_;
  bool flat_ = false;
  bool ctl3d_ = true;
  FlatBorderLook look_;
  TColor focused_frame_ = 0xFFFFFF;
};
