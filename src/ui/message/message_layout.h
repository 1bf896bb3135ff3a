// Where every part of a message window goes, at 96 pixels per inch, from the screen size, the
// size of the wrapped text, the icon and the buttons.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/message/mesaj_dlg.h"
#include "ui/message/message_buttons.h"

struct LayoutRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const LayoutRect&) const = default;
};

struct TextSize {
  int width = 0;
  int height = 0;
};

struct MessageLayoutInput {
  int screen_width = 0;
  int screen_height = 0;
  // Bounding size of the text word-wrapped at `max_width`, in the bold dialog font.
  std::function<TextSize(const std::string& text, int max_width)> measure_text;
  std::string text;  // with the suffix already appended
  int icon_width = 0;
  int icon_height = 0;
  TMsgDlgButtons buttons = 0;
  uint8_t default_button = 0;
  // Window size beyond its client area (frame), for centring.
  int frame_width = 0;
  int frame_height = 0;
};

struct MessageLayout {
  int title_bar_height = 0;
  int client_width = 0;  // of the form
  int client_height = 0;
  int form_left = 0;  // of the whole window, centred on the screen
  int form_top = 0;
  LayoutRect panel;  // in the form
  LayoutRect label;  // in the panel
  LayoutRect icon;   // in the panel
  LayoutRect separator;
  LayoutRect button_bar;  // in the form
  std::vector<MessageButton> buttons;
  std::vector<LayoutRect> button_bounds;  // in the button bar, one per button
};

constexpr int kMessageTitleBarHeight = 25;
constexpr int kMessageButtonWidth = 100;
constexpr int kMessageButtonHeight = 28;

MessageLayout LayoutMessage(const MessageLayoutInput& in);

// A design-time length at the screen's resolution.
int ScaleToScreen(int length, int pixels_per_inch);
// A length on the screen in design-time units, rounded up so that it holds what was measured.
int ScaleToLayout(int length, int pixels_per_inch);
