// A combo box that lights its label while focused, can complete typed text from its list and
// can draw a flat border.
#pragma once

#include "forms/edits.h"
#include "ui/controls/assoc_label.h"
#include "ui/controls/flat_border.h"

class TActiveCombo : public TComboBox {
 public:
  explicit TActiveCombo(TComponent* owner);
  ~TActiveCombo() override;

  TLabel* AssocLabel() const { return label_.Label(); }
  void SetAssocLabel(TLabel* label) { label_.Set(*this, label); }
  TColor LabelColor = clHighlightText;
  // Typing the start of an item fills in the rest of it, selected, so that typing on replaces it.
  bool AutoComplete = false;

  // A change of any of these builds the window again.
  TBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TBorderStyle style);
  bool FlatStyle() const { return flat_; }
  void SetFlatStyle(bool v);
  TBevelCut BevelOuter() const { return look_.bevel; }
  void SetBevelOuter(TBevelCut v);
  TColor BorderColor() const { return look_.frame; }
  void SetBorderColor(TColor c);
  TColor BorderColorF() const { return focused_frame_; }
  void SetBorderColorF(TColor c);

 protected:
  void InitWindow() override;
  void DestroyWnd() override;
  void WndProc(TMessage& m) override;
  void CommandNotify(WORD code) override;
  void Notification(TComponent* component) override;

 private:
  static LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR id,
                                   DWORD_PTR self);
  HWND EditWindow();
  void Complete();
  void DrawBorder();

  TAssocLabel label_;
  TBorderStyle border_style_ = bsNone;
  bool flat_ = false;
  FlatBorderLook look_;
  TColor focused_frame_ = 0xFFFFFF;
  HWND edit_ = nullptr;  // the edit part, watched for the last key
  WPARAM last_key_ = 0;
};
