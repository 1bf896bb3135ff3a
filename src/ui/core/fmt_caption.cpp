#include "ui/core/fmt_caption.h"

#include <array>
#include <cctype>
#include <optional>

namespace {

constexpr std::array<TColor, 16> kStandardColors{
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

constexpr std::string_view kEscapable = "$%&@~";

class Parser {
 public:
  explicit Parser(const FmtFont& font) : font_(font) { NewLine(); }

  std::vector<FmtLine> Run(std::string_view caption) {
    for (size_t i = 0; i < caption.size(); ++i) {
      const char c = caption[i];
      switch (c) {
        case '\r':
          if (i + 1 < caption.size() && caption[i + 1] == '\n') ++i;
          NewLine();
          break;
        case '\n':
          NewLine();
          break;
        case '@':
        case '&':
        case '$':
          i = Marker(c, caption, i + 1) - 1;
          break;
        case '%':
          shadow_ = !shadow_;
          Restyle();
          break;
        case '~':
          blink_ = !blink_;
          Restyle();
          break;
        case '\\':
          if (i + 1 < caption.size() && kEscapable.find(caption[i + 1]) != std::string_view::npos) {
            ++i;
          }
          Current().text += caption[i];
          break;
        default:
          Current().text += c;
      }
    }
    return std::move(lines_);
  }

 private:
  FmtSegment& Current() { return lines_.back().back(); }

  void NewLine() {
    lines_.emplace_back();
    lines_.back().push_back({"", font_, shadow_, blink_});
  }

  // The current segment takes the new look, or a new one starts when it already has text.
  void Restyle() {
    if (!Current().text.empty()) lines_.back().push_back({});
    Current().font = font_;
    Current().shadow = shadow_;
    Current().blink = blink_;
  }

  // Reads the number after a marker; returns the position after the digits.
  size_t Marker(char marker, std::string_view caption, size_t pos) {
    size_t end = pos;
    while (end < caption.size() && std::isdigit(static_cast<unsigned char>(caption[end]))) ++end;
    const std::optional<int> n = Number(caption.substr(pos, end - pos));
    if (n && Apply(marker, *n)) Restyle();
    return end;
  }

  static std::optional<int> Number(std::string_view digits) {
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    int n = 0;
    for (char d : digits) n = n * 10 + (d - '0');
    return n;
  }

  bool Apply(char marker, int n) {
    switch (marker) {
      case '@':
        if (n >= kFmtPaletteSize) return false;
        font_.color = FmtPaletteColor(n);
        return true;
      case '&':
        font_.size = n;
        return true;
      case '$':
        if (n > 3) return false;
        font_.style = static_cast<FmtStyle>(((n & 1) ? kFmtItalic : 0) | ((n & 2) ? kFmtBold : 0));
        return true;
      default:
        return false;
    }
  }

  FmtFont font_;
  bool shadow_ = false;
  bool blink_ = false;
  std::vector<FmtLine> lines_;
};

}  // namespace

TColor FmtPaletteColor(int index) {
  if (index < 0 || index >= kFmtPaletteSize) return 0;
  if (index < 16) return kStandardColors[index];
  return SystemColorIndex(index - 16);
}

std::vector<FmtLine> ParseFmtCaption(std::string_view caption, const FmtFont& label_font) {
  return Parser(label_font).Run(caption);
}

std::string LiteralFmtCaption(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (kEscapable.find(c) != std::string_view::npos) out += '\\';
    out += c;
  }
  return out;
}
