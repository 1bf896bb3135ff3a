#include "app/background_layout.h"

PanelPlace CentredPanel(int client_width, int client_height, int panel_width, int panel_height) {
  // Integer division rounds toward zero, also for a client area smaller than the panel.
  return {(client_width - panel_width) / 2, (client_height - panel_height) / 2 - 15};
}

std::string VersionCaption(double version) {
  return "@15% ver." + FormatVersion(version);
}
