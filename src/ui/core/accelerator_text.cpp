#include "ui/core/accelerator_text.h"

AcceleratorParts SplitAccelerator(std::string_view text) {
  AcceleratorParts parts;
  const size_t amp = text.find('&');
  if (amp == std::string_view::npos) {
    parts.before = text;
    return parts;
  }
  parts.has_accelerator = true;
  parts.before = text.substr(0, amp);
  if (amp + 1 < text.size()) {
    parts.key = text.substr(amp + 1, 1);
    parts.after = text.substr(amp + 2);
  }
  return parts;
}

std::string RemoveAmpersands(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != '&') out += c;
  }
  return out;
}

int AcceleratorTextLeft(int rect_left, int rect_right, int text_width, TextPlacement placement) {
  const int width = text_width + 2;
  switch (placement) {
    case TextPlacement::kCenter:
      return rect_left + (rect_right - rect_left - width) / 2;
    case TextPlacement::kRight:
      return rect_right - width;
    case TextPlacement::kLeft:
      break;
  }
  return rect_left;
}

AcceleratorKeyLook KeyLook(TColor font_color, bool font_underline, TColor highlight) {
  if (highlight == font_color) return {font_color, !font_underline};
  return {highlight, font_underline};
}
