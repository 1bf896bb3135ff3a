#include "os/editor_text.h"

#include "os/ansi_code_page.h"
#include "os/text_encoding.h"

namespace os {

namespace {

bool StartsWith(std::string_view bytes, std::string_view mark) {
  return bytes.substr(0, mark.size()) == mark;
}

std::optional<std::string> FromUtf16(std::string_view bytes, bool big_endian, std::string* error) {
  if (bytes.size() % 2 != 0) {
    if (error) *error = "UTF-16 cu un numar impar de octeti";
    return std::nullopt;
  }
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    const auto high = static_cast<unsigned char>(bytes[2 * i + (big_endian ? 0 : 1)]);
    const auto low = static_cast<unsigned char>(bytes[2 * i + (big_endian ? 1 : 0)]);
    units[i] = static_cast<char16_t>(high << 8 | low);
  }
  return Utf16ToUtf8(units, error);
}

}  // namespace

std::optional<EditorText> DecodeEditorText(std::string_view bytes, std::string* error) {
  EditorText decoded;
  if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) {
    const bool big_endian = bytes[0] == '\xFE';
    decoded.encoding = big_endian ? EditorEncoding::kUtf16Be : EditorEncoding::kUtf16Le;
    std::optional<std::string> text = FromUtf16(bytes.substr(2), big_endian, error);
    if (!text) return std::nullopt;
    decoded.text = std::move(*text);
    return decoded;
  }
  const bool marked = StartsWith(bytes, "\xEF\xBB\xBF");
  if (marked) bytes.remove_prefix(3);
  const bool utf8 = Utf16Length(bytes).has_value();
  if (marked && !utf8) {
    // A mark that promises UTF-8 over bytes that are not: refused rather than guessed at.
    if (error) *error = "octeti care nu sunt UTF-8 dupa marcajul UTF-8";
    return std::nullopt;
  }
  decoded.encoding = marked ? EditorEncoding::kUtf8WithMark
                     : utf8 ? EditorEncoding::kUtf8
                            : EditorEncoding::kAnsi;
  decoded.text = utf8 ? std::string(bytes) : FromAnsiCodePage(std::string(bytes));
  return decoded;
}

std::string EncodingName(EditorEncoding encoding, unsigned ansi_code_page) {
  switch (encoding) {
    case EditorEncoding::kUtf8WithMark:
      return "UTF-8 cu BOM";
    case EditorEncoding::kUtf8:
      return "UTF-8";
    case EditorEncoding::kUtf16Le:
      return "UTF-16 (Unicode)";
    case EditorEncoding::kUtf16Be:
      return "UTF-16 big-endian (Unicode)";
    case EditorEncoding::kAnsi:
      break;
  }
  return "ANSI (pagina de cod " + std::to_string(ansi_code_page) + ")";
}

}  // namespace os
