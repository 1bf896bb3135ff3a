#include "app/background_layout.h"

#include <charconv>

PanelPlace CentredPanel(int client_width, int client_height, int panel_width, int panel_height) {
  // Integer division rounds toward zero, also for a client area smaller than the panel.
  return {(client_width - panel_width) / 2, (client_height - panel_height) / 2 - 15};
}

std::string FormatVersion(double version) {
  // Independent of the C locale: the separator is always ".".
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, version, std::chars_format::fixed, 2);
  return std::string(buffer, result.ptr);
}

std::string VersionCaption(double version) {
  return "@15% ver." + FormatVersion(version);
}
