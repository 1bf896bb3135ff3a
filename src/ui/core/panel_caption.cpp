#include "ui/core/panel_caption.h"

std::string PanelCaptionLines(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (char c : caption) {
    if (c == '#') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

bool PanelCaptionHighlighted(std::string_view caption) {
  return caption.find("&&") != std::string_view::npos;
}

PanelTextOrigin PlacePanelCaption(int panel_width, int panel_height, int text_width,
                                  int text_height, TAlignment alignment) {
  int left = 0;
  if (alignment == taCenter) {
    left = (panel_width - text_width) / 2;
  } else if (alignment == taRightJustify) {
    left = panel_width - text_width;
  }
  return {left, (panel_height - text_height) / 2};
}
