// The theme table: fonts and colours of the two looks ("DATE" and "LISTE"), built-in defaults
// overridden by the theme file "Design.ini" beside the program.
#pragma once

#include <array>
#include <string>

#include "ui/core/color.h"

struct ThemeFont {
  std::string name;  // at most kThemeFontNameLimit characters
  int bold = 1;
  int size = 10;
  bool operator==(const ThemeFont&) const = default;
};

struct ThemeVariant {
  ThemeFont menu_font;
  ThemeFont tab_font;
  TColor tab_color = 0;
  TColor sorted_tab_color = 1;
  TColor tab_gradient_start = 0;
  TColor tab_gradient_end = 0;
  TColor panel_gradient_start = 0;
  TColor panel_gradient_end = 0;
  bool operator==(const ThemeVariant&) const = default;
};

constexpr size_t kThemeFontNameLimit = 100;
constexpr int kThemeDate = 0;
constexpr int kThemeListe = 1;

using ThemeTable = std::array<ThemeVariant, 2>;

// Only the built-in gradients; fonts and tab colours come from reading a file (even an empty one).
ThemeTable ThemeDefaults();

// The defaults, then both variants read from the text of a theme file.
ThemeTable ReadTheme(const std::string& ini_text);

// Reads "Design.ini" in `program_dir`; a missing or unreadable file gives the values of an empty
// file.
ThemeTable LoadThemeFile(const std::string& program_dir);
