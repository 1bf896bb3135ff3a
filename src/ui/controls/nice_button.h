// The skinned push button: its face is cut from the glyph library's nine-slice picture, it
// lights up under the mouse (one button at a time) and shows the pressed face briefly on a
// click. Outside its face strip the mouse passes through it.
#pragma once

#include <array>
#include <memory>

#include "forms/buttons.h"
#include "forms/timer.h"
#include "ui/core/button_kind.h"
#include "ui/core/button_layout.h"
#include "ui/core/nice_button_geometry.h"

class TNiceButton : public TButton {
 public:
  explicit TNiceButton(TComponent* owner);
  ~TNiceButton() override;

  TMButtonKind Kind() const { return kind_; }
  // A caption or modal result set by hand stays; otherwise both come from the kind.
  void SetKind(TMButtonKind kind);
  void SetModalResult(TModalResult result);
  void SetText(const std::string& text) override;

  bool CaptionVisible() const { return caption_visible_; }
  void SetCaptionVisible(bool v);
  // Used for kind mkCustom; other kinds show their own picture.
  TBitmap& Glyph() { return glyph_; }
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int n);
  TButtonLayout ButtonLayout() const { return layout_; }
  void SetButtonLayout(TButtonLayout layout);
  // The glyph over the face instead of in its own area at the left.
  bool InsideDraw() const { return inside_draw_; }
  void SetInsideDraw(bool v);
  // The face's middle row grows to the button's height.
  bool Stretch() const { return stretch_; }
  void SetStretch(bool v);
  // Each look rendered once into a bitmap of the button's size.
  bool Buffered() const { return buffered_; }
  void SetBuffered(bool v);
  // Drawn pressed while set; a click sets it and a short timer clears it.
  bool ForcedDown() const { return forced_down_; }
  void SetForcedDown(bool v);

  bool Highlighted() const { return highlighted_; }
  // The button lit at the moment, if any.
  static TNiceButton* HighlightedButton();
  // Whether the mouse at a client point reaches the button.
  bool HitTest(int x, int y) const;

  void Click() override;

 protected:
  void WndProc(TMessage& m) override;
  void DrawButton(const DRAWITEMSTRUCT& item) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Resize() override;

 private:
  enum Look { kNormal, kHighlighted, kPressed, kDisabled };
  void SetHighlighted(bool v);
  void Render(TCanvas& canvas, Look look, bool focused);
  const TBitmap& ShownGlyph() const;
  NiceButtonInput Input(NiceLook look) const;
  void DropBuffers();

  TMButtonKind kind_ = mkCustom;
  bool caption_set_ = false;
  bool modal_result_set_ = false;
  bool setting_kind_ = false;
  bool caption_visible_ = true;
  TBitmap glyph_;
  int num_glyphs_ = 3;
  TButtonLayout layout_ = blGlyphLeft;
  bool inside_draw_ = false;
  bool stretch_ = false;
  bool buffered_ = false;
  bool forced_down_ = false;
  bool highlighted_ = false;
  TTimer* press_timer_;
  std::array<std::unique_ptr<TBitmap>, 4> looks_;
  bool looks_focused_ = false;
};
