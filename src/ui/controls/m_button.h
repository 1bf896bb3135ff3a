// The light push button of the wizard pages: flat until the mouse or the focus reaches it, with
// a glyph and a caption whose accelerator letter is red. Its kind gives caption, modal result
// and glyph.
#pragma once

#include "forms/buttons.h"
#include "ui/core/button_kind.h"
#include "ui/core/button_layout.h"

enum TButtonStyle : uint8_t { bsAutoDetect, bsWin31, bsNew };

class TMButton : public TButton {
 public:
  explicit TMButton(TComponent* owner);

  TMButtonKind Kind() const { return kind_; }
  // Navigation kinds hide the caption; an empty caption and a modal result not set by hand
  // come from the kind.
  void SetKind(TMButtonKind kind);
  // Marks the modal result as the button's own, so that a kind no longer changes it.
  void SetModalResult(TModalResult result);

  // Face colour while idle and while hot.
  void SetColorOver(TColor colour);
  TColor ColorOver() const { return color_over_; }
  bool LightButton() const { return light_; }
  void SetLightButton(bool v);
  bool CaptionVisible() const { return caption_visible_; }
  void SetCaptionVisible(bool v);
  TButtonStyle Style() const { return style_; }
  void SetStyle(TButtonStyle style);
  // Images side by side: up, disabled, down. Empty: the kind's glyph.
  TBitmap& Glyph() { return glyph_; }
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int n);
  int Margin() const { return margin_; }
  void SetMargin(int v);
  int Spacing() const { return spacing_; }
  void SetSpacing(int v);
  TButtonLayout ButtonLayout() const { return layout_; }
  void SetButtonLayout(TButtonLayout layout);
  int Delta = 0;

  bool Hot() const { return hot_; }

 protected:
  void WndProc(TMessage& m) override;
  void DrawButton(const DRAWITEMSTRUCT& item) override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  void SetHot(bool hot);
  void Render(TCanvas& canvas, bool focused, bool down);
  void DrawFace(TCanvas& canvas, TRect& r, bool focused, bool down);
  const TBitmap& ShownGlyph() const;

  TMButtonKind kind_ = mkCustom;
  bool modal_result_set_ = false;
  TColor color_over_ = clBtnFace;
  bool light_ = true;
  bool caption_visible_ = true;
  TButtonStyle style_ = bsAutoDetect;
  TBitmap glyph_;
  int num_glyphs_ = 3;
  int margin_ = -1;
  int spacing_ = 0;
  TButtonLayout layout_ = blGlyphLeft;
  bool hot_ = false;
};
