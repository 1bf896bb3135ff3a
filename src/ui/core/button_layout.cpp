#include "ui/core/button_layout.h"

ButtonContentPlace PlaceButtonContent(int cw, int ch, int gw, int gh, int tw, int th,
                                      TButtonLayout layout, int margin, int spacing) {
  const bool across = layout == blGlyphLeft || layout == blGlyphRight;
  // Lengths along the direction in which glyph and caption follow each other.
  const int client = across ? cw : ch;
  const int glyph = across ? gw : gh;
  const int text = across ? tw : th;
  if (glyph == 0 || text == 0) spacing = 0;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (client - glyph - text) / 3;
      spacing = margin;
    } else {
      margin = (client - glyph - spacing - text) / 2;
    }
  } else if (spacing == -1) {
    spacing = (client - margin - glyph - text) / 2;
  }

  int glyph_at = margin, text_at = margin + glyph + spacing;
  if (layout == blGlyphRight || layout == blGlyphBottom) {
    glyph_at = client - margin - glyph;
    text_at = glyph_at - spacing - text;
  }
  ButtonContentPlace p;
  if (across) {
    p = {glyph_at, (ch - gh) / 2, text_at, (ch - th) / 2};
  } else {
    p = {(cw - gw) / 2, glyph_at, (cw - tw) / 2, text_at};
  }
  return p;
}
