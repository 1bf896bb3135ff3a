// The form of every wizard page and dialog: no platform caption but a painted title bar that
// shows the form's caption, dragged by any free spot of its body, with Alt+F4 swallowed.
#pragma once

#include "ui/controls/title_bar.h"
#include "ui/forms/base_form.h"

class TTitleForm : public TPaintedForm {
 public:
  explicit TTitleForm(TComponent* owner);
  TTitleForm(TComponent* owner, CreateNew);

  TTitleBar* TitleBar() const { return title_bar_; }
  // For forms built bare; a laid-out form finds the bar named "TitleBar1" when loaded.
  void SetTitleBar(TTitleBar* bar);

  void Loaded() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& m) override;
  void TextChanged() override;
  void EnableChanged(bool enabled) override;
  void MinMaxInfo(MINMAXINFO& info) override;
  void Notification(TComponent* component) override;

 private:
  TTitleBar* title_bar_ = nullptr;
};
