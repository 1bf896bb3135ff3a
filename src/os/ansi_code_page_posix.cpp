// The host's narrow interfaces take UTF-8 itself: every path is its own form.
#include "os/ansi_code_page.h"
#include "os/text_encoding.h"

namespace os {

std::optional<std::string> ToAnsiCodePage(const std::string& text) {
  if (!Utf16Length(text)) return std::nullopt;
  return text;
}

std::string FromAnsiCodePage(const std::string& bytes) {
  return Utf16ToUtf8Shown(Utf8ToUtf16Shown(bytes));
}

unsigned AnsiCodePageNumber() {
  return 65001;  // UTF-8
}

std::optional<std::string> AnsiPathForm(const std::string& path, std::string* reason) {
  if (!Utf8ToUtf16(path, reason)) return std::nullopt;
  return path;
}

std::string LongPathForm(const std::string& path) {
  return path;
}

}  // namespace os
