// The painted panel's caption: "#" breaks lines, and the text block is placed by the panel's
// alignment and always centred vertically.
#pragma once

#include <string>
#include <string_view>

#include "ui/message/mesaj_dlg.h"

std::string PanelCaptionLines(std::string_view caption);

// A caption holding "&&" is drawn with a red highlight, any other in the font colour.
bool PanelCaptionHighlighted(std::string_view caption);

struct PanelTextOrigin {
  int left;
  int top;
};
PanelTextOrigin PlacePanelCaption(int panel_width, int panel_height, int text_width,
                                  int text_height, TAlignment alignment);

// The caption is measured word-wrapped in a rectangle this much narrower than the panel.
constexpr int kPanelCaptionInset = 2;
