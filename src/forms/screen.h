// The display as the forms see it: size, resolution, cursor and the active form.
#pragma once

#include <vector>

#include "forms/controls.h"

class TForm;

class TScreen {
 public:
  int Width() const;
  int Height() const;
  int PixelsPerInch() const;
  int BitsPerPixel() const;
  // The desktop without the taskbar, in screen coordinates.
  TRect WorkAreaRect() const;

  TCursor Cursor() const { return cursor_; }
  // A cursor other than crDefault overrides every control's own until set back.
  void SetCursor(TCursor cursor);

  TForm* ActiveForm() const { return active_form_; }
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TForm* Forms(int index) const { return forms_[static_cast<size_t>(index)]; }

  // Kept by the forms themselves.
  void AddForm(TForm* form);
  void RemoveForm(TForm* form);
  void SetActiveForm(TForm* form) { active_form_ = form; }

 private:
  TCursor cursor_ = crDefault;
  TForm* active_form_ = nullptr;
  std::vector<TForm*> forms_;
};

extern TScreen Screen;
