// The arithmetic of the background window, apart from its window.
#pragma once

#include <string>

#include "state/product.h"

struct PanelPlace {
  int left;
  int top;
};

// Centred in the client area, raised by 15 pixels; negative when the panel is the larger.
PanelPlace CentredPanel(int client_width, int client_height, int panel_width, int panel_height);

// The version label's caption, formatting code included.
std::string VersionCaption(double version);
