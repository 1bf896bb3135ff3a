#include "ui/core/theme.h"

#include "forms/ini_file.h"
#include "os/os.h"

namespace {

constexpr const char* kSection = "ZAN_DESIGN";
constexpr const char* kVariantWords[2] = {"DATE", "LISTE"};

struct Gradients {
  TColor panel_start, panel_end, tab_start, tab_end;
};
constexpr Gradients kDefaultGradients[2] = {
    {0xC79C4E, 0xFFFFFF, 0xFFFFFF, 0xB1AB7A},
    {0xB1B17A, 0xC6C6C6, 0xFFFFFF, 0x79A3F0},
};

void SetDefaultGradients(ThemeVariant& v, const Gradients& g) {
  v.panel_gradient_start = g.panel_start;
  v.panel_gradient_end = g.panel_end;
  v.tab_gradient_start = g.tab_start;
  v.tab_gradient_end = g.tab_end;
}

ThemeFont ReadFont(const TMemIniFile& ini, const std::string& name_key, const std::string& bold_key,
                   const std::string& size_key) {
  ThemeFont f;
  f.name = ini.ReadString(kSection, name_key, "MS Sans Serif").substr(0, kThemeFontNameLimit);
  f.bold = ini.ReadInteger(kSection, bold_key, 1);
  f.size = ini.ReadInteger(kSection, size_key, 10);
  return f;
}

void ReadVariant(const TMemIniFile& ini, int index, ThemeVariant& v) {
  const std::string w = kVariantWords[index];
  v.menu_font = ReadFont(ini, "NAME_MENUFONT_" + w, "BOLD_MENUFONT_" + w, "SIZE_MENUFONT_" + w);
  v.tab_font = ReadFont(ini, "NAME_TAB_" + w, "BOLD_TAB_" + w, "SIZE_TAB_" + w);
  v.tab_color = ini.ReadInteger(kSection, "COLOR_TAB_" + w, 0);
  v.sorted_tab_color = ini.ReadInteger(kSection, "COLOR_TABASORT_" + w, 1);
  v.tab_gradient_start = ini.ReadInteger(kSection, "COLOR_TAB" + w + "_START", -1);
  if (v.tab_gradient_start == -1) {
    const Gradients& g = kDefaultGradients[index];
    v.tab_gradient_start = g.tab_start;
    v.panel_gradient_start = g.panel_start;
    v.panel_gradient_end = g.panel_end;
  } else {
    v.panel_gradient_start =
        ini.ReadInteger(kSection, "COLOR_" + w + "_START", v.panel_gradient_start);
    v.panel_gradient_end = ini.ReadInteger(kSection, "COLOR_" + w + "_END", v.panel_gradient_end);
  }
  v.tab_gradient_end = ini.ReadInteger(kSection, "COLOR_TAB" + w + "_END", v.tab_gradient_end);
}

}  // namespace

ThemeTable ThemeDefaults() {
  ThemeTable t;
  for (int i = 0; i < 2; ++i) SetDefaultGradients(t[i], kDefaultGradients[i]);
  return t;
}

namespace {

ThemeTable ReadTheme(const TMemIniFile& ini) {
  ThemeTable t = ThemeDefaults();
  for (int i = 0; i < 2; ++i) ReadVariant(ini, i, t[i]);
  return t;
}

}  // namespace

ThemeTable ReadTheme(const std::string& ini_text) {
  TMemIniFile ini("");
  ini.SetText(ini_text);
  return ReadTheme(ini);
}

ThemeTable LoadThemeFile(const std::string& program_dir) {
  return ReadTheme(TMemIniFile(os::WithTrailingBackslash(program_dir) + "Design.ini"));
}
