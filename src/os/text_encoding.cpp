#include "os/text_encoding.h"

#include <cstdint>

namespace os {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

// The code point that starts at `at`, which moves past it; nothing when the bytes there are no
// UTF-8 (`at` then moves past the first of them).
std::optional<char32_t> DecodeUtf8(std::string_view text, size_t& at) {
  const auto byte = [&text](size_t i) { return static_cast<uint8_t>(text[i]); };
  const uint8_t lead = byte(at++);
  if (lead < 0x80) return lead;
  size_t extra;
  char32_t c;
  char32_t least;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, c = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, c = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, c = lead & 0x07, least = 0x10000;
  } else {
    return std::nullopt;
  }
  const size_t start = at;
  for (size_t i = 0; i < extra; ++i) {
    if (start + i >= text.size() || (byte(start + i) & 0xC0) != 0x80) return std::nullopt;
    c = c << 6 | (byte(start + i) & 0x3F);
  }
  // Overlong forms would let one character pass for another.
  if (c < least || c > 0x10FFFF || IsSurrogate(c)) return std::nullopt;
  at = start + extra;
  return c;
}

// The code point that starts at `at`, which moves past it; nothing for a lone surrogate.
std::optional<char32_t> DecodeUtf16(std::u16string_view text, size_t& at) {
  const char32_t first = text[at++];
  if (!IsSurrogate(first)) return first;
  if (first >= 0xDC00 || at >= text.size() || text[at] < 0xDC00 || text[at] > 0xDFFF) {
    return std::nullopt;
  }
  const char32_t second = text[at++];
  return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
}

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out += static_cast<char16_t>(c);
    return;
  }
  c -= 0x10000;
  out += static_cast<char16_t>(0xD800 + (c >> 10));
  out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void Explain(std::string* error, const char* what, size_t at) {
  if (error) *error = std::string(what) + std::to_string(at + 1);
}

constexpr const char* kNotUtf8 = "textul nu este UTF-8 valid la octetul ";
constexpr const char* kLoneSurrogate = "textul are un surogat UTF-16 fara pereche la pozitia ";

// Code page 437 above ASCII, in order.
constexpr char16_t kCp437High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

}  // namespace

std::optional<std::u16string> Utf8ToUtf16(std::string_view text, std::string* error) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    const size_t start = at;
    const std::optional<char32_t> c = DecodeUtf8(text, at);
    if (!c) {
      Explain(error, kNotUtf8, start);
      return std::nullopt;
    }
    AppendUtf16(out, *c);
  }
  return out;
}

std::optional<std::string> Utf16ToUtf8(std::u16string_view text, std::string* error) {
  std::string out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    const size_t start = at;
    const std::optional<char32_t> c = DecodeUtf16(text, at);
    if (!c) {
      Explain(error, kLoneSurrogate, start);
      return std::nullopt;
    }
    AppendUtf8(out, *c);
  }
  return out;
}

std::optional<size_t> Utf16Length(std::string_view text) {
  size_t units = 0;
  for (size_t at = 0; at < text.size();) {
    const std::optional<char32_t> c = DecodeUtf8(text, at);
    if (!c) return std::nullopt;
    units += *c < 0x10000 ? 1 : 2;
  }
  return units;
}

std::u16string Utf8ToUtf16Shown(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size();)
    AppendUtf16(out, DecodeUtf8(text, at).value_or(kReplacement));
  return out;
}

std::string Utf16ToUtf8Shown(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size();)
    AppendUtf8(out, DecodeUtf16(text, at).value_or(kReplacement));
  return out;
}

std::string Cp437ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char b : bytes) {
    const auto byte = static_cast<uint8_t>(b);
    AppendUtf8(out, byte < 0x80 ? byte : kCp437High[byte - 0x80]);
  }
  return out;
}

#ifdef _WIN32
static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows characters are UTF-16 units");

namespace {

std::u16string_view Units(std::wstring_view text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

std::wstring System(const std::u16string& text) {
  return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

}  // namespace

std::optional<std::wstring> Wide(std::string_view text, std::string* error) {
  const std::optional<std::u16string> units = Utf8ToUtf16(text, error);
  if (!units) return std::nullopt;
  return System(*units);
}

std::optional<std::string> Utf8(std::wstring_view text, std::string* error) {
  return Utf16ToUtf8(Units(text), error);
}

std::wstring WideShown(std::string_view text) {
  return System(Utf8ToUtf16Shown(text));
}

std::string Utf8Shown(std::wstring_view text) {
  return Utf16ToUtf8Shown(Units(text));
}
#endif

}  // namespace os
