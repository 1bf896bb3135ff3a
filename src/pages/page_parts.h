// Building blocks that the wizard pages share: the frame, the title bar and the navigation
// buttons with their glyphs.
#pragma once

#include <string>
#include <string_view>

#include "forms/forms.h"
#include "forms/place_control.h"
#include "ui/m_button.h"
#include "ui/title_bar.h"

// Dialog border, the given client size, the "System" font; the caption is also the title bar's,
// so that a driver outside the program recognises the page by its window text.
void SetPageFrame(TForm& page, const std::string& caption, int client_width = 637,
                  int client_height = 114);

// "TitleBar1" across the top, 25 pixels high.
TTitleBar* AddTitleBar(TForm& page);

// A light navigation button of 67 by 51 on the page's bottom row, glyph above the caption. An
// empty glyph name leaves the glyph to the button's kind.
TMButton* AddNavButton(TForm& page, const char* name, const std::string& caption, int left,
                       std::string_view glyph, int spacing = 5);

void SetBold(TControl& control);
