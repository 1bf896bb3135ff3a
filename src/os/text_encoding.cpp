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

// Decodes `text` code point by code point and encodes each into `Out`. A point that does not
// decode ends the conversion with nothing and the reason, `what` and where; without `what` it is
// shown as U+FFFD instead.
template <typename Out, typename In, typename Decode, typename Append>
std::optional<Out> Transcode(In text, Decode decode, Append append, const char* what,
                             std::string* error) {
  Out out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    const size_t start = at;
    const std::optional<char32_t> c = decode(text, at);
    if (!c && what) {
      Explain(error, what, start);
      return std::nullopt;
    }
    append(out, c.value_or(kReplacement));
  }
  return out;
}

}  // namespace

std::optional<std::u16string> Utf8ToUtf16(std::string_view text, std::string* error) {
  return Transcode<std::u16string>(text, DecodeUtf8, AppendUtf16, kNotUtf8, error);
}

std::optional<std::string> Utf16ToUtf8(std::u16string_view text, std::string* error) {
  return Transcode<std::string>(text, DecodeUtf16, AppendUtf8, kLoneSurrogate, error);
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
  return *Transcode<std::u16string>(text, DecodeUtf8, AppendUtf16, nullptr, nullptr);
}

std::string Utf16ToUtf8Shown(std::u16string_view text) {
  return *Transcode<std::string>(text, DecodeUtf16, AppendUtf8, nullptr, nullptr);
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

std::string Utf8Escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    const size_t start = at;
    if (DecodeUtf8(text, at)) {
      out.append(text.substr(start, at - start));
    } else {
      static const char kHex[] = "0123456789ABCDEF";
      const auto byte = static_cast<uint8_t>(text[start]);
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
  return out;
}

}  // namespace os
