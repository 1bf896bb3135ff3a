#include "ui/message/message_layout.h"

#include <algorithm>

MessageLayout LayoutMessage(const MessageLayoutInput& in) {
  MessageLayout m;
  const int tb = kMessageTitleBarHeight;
  m.title_bar_height = tb;

  const TextSize text =
      in.measure_text ? in.measure_text(in.text, in.screen_width / 2) : TextSize{};
  const int tw = text.width, th = text.height;
  const int iw = in.icon_width, ih = in.icon_height;
  const int content_width = tw + 32 + iw + 10;
  const int content_height = std::max(ih + 20, th + 32);

  m.buttons = MessageButtons(in.buttons, in.default_button);
  const int count = static_cast<int>(m.buttons.size());
  const int bar_width = count * kMessageButtonWidth + 32;
  const int bar_height = 43;

  const int panel_width = std::max({150, content_width, bar_width});
  const int panel_height = std::max(55, content_height);
  m.panel = {16, tb + 16, panel_width, panel_height};

  m.client_width = panel_width + 32;
  m.client_height = tb + panel_height + 58 + 32;

  const int separator_top = tb + panel_height + 32;
  m.separator = {0, separator_top, m.client_width, 5};
  m.button_bar = {(m.client_width - bar_width) / 2, separator_top + 8, bar_width, bar_height};

  m.icon = {10, 0, iw, ih};
  m.label = {0, 0, tw, th};
  if (ih > th) {
    m.icon.top = 10;
    m.label.top = 10 + ih / 2 - th / 2;
  } else {
    m.label.top = 16;
    m.icon.top = 16 + th / 2 - ih / 2;
  }
  const int icon_right = m.icon.left + m.icon.width;
  m.label.left = (panel_width - icon_right - tw) / 2 + icon_right;

  int left = 16;
  for (int i = 0; i < count; ++i) {
    m.button_bounds.push_back({left, 8, kMessageButtonWidth, kMessageButtonHeight});
    left += kMessageButtonWidth;
  }

  const int form_width = m.client_width + in.frame_width;
  const int form_height = m.client_height + in.frame_height;
  m.form_left = in.screen_width / 2 - form_width / 2;
  m.form_top = in.screen_height / 2 - form_height / 2;
  return m;
}

int ScaleToScreen(int length, int pixels_per_inch) {
  return static_cast<int>(static_cast<long long>(length) * pixels_per_inch / 96);
}

int ScaleToLayout(int length, int pixels_per_inch) {
  if (pixels_per_inch <= 0) return length;
  return static_cast<int>((static_cast<long long>(length) * 96 + pixels_per_inch - 1) /
                          pixels_per_inch);
}
