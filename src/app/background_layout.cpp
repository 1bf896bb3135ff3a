#include "app/background_layout.h"

#include <cstdio>

PanelPlace CentredPanel(int client_width, int client_height, int panel_width, int panel_height) {
  // Integer division rounds toward zero, also for a client area smaller than the panel.
  return {(client_width - panel_width) / 2, (client_height - panel_height) / 2 - 15};
}

std::string FormatVersion(double version) {
  // std::to_chars for doubles would add 180 KB to a program that must fit a floppy. The C
  // library rounds the exact binary value too; only its separator follows the locale.
  char buffer[352];
  const int length = std::snprintf(buffer, sizeof buffer, "%.2f", version);
  std::string text(buffer, length > 0 ? static_cast<size_t>(length) : 0);
  for (char& c : text) {
    if ((c < '0' || c > '9') && c != '-') c = '.';
  }
  return text;
}

std::string VersionCaption(double version) {
  return "@15% ver." + FormatVersion(version);
}
