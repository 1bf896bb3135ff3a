// The glyph library: a hidden form holding every picture of the toolkit by name, adapted to the
// display, and the theme table read from "Design.ini".
#pragma once

#include <string>
#include <string_view>

#include "forms/forms.h"
#include "ui/core/theme.h"

class TMesaj : public TForm {
 public:
  // Loads the pictures from the program's resources; on a high-colour display each picture's
  // background becomes the button face. The theme comes from "Design.ini" in `program_dir`.
  TMesaj(TComponent* owner, bool high_colour, const std::string& program_dir);

  // The image component of that name, or nullptr.
  TImage* Image(std::string_view name) const;
  // Its picture; an empty bitmap when there is no such image or it could not be loaded.
  const TBitmap& Picture(std::string_view name) const;
  const ThemeTable& Theme() const { return theme_; }

 private:
  ThemeTable theme_;
};

// The library of the running toolkit (nullptr before start-up and after shutdown).
extern TMesaj* Mesaj;
