// What Win32 code outside the seam needs of it to reach the system the same way.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "os/text_encoding.h"

namespace os {

// A path as the wide functions take it: UTF-16, in the long form ("\\?\") when it is an absolute
// path too long for the ordinary one. Nothing, with ERROR_NO_UNICODE_TRANSLATION as the last
// error, when the path is no UTF-8.
std::optional<std::wstring> SystemPath(const std::string& path);

// A system answer of unknown length: `call` gets a buffer and its size and returns what it wrote
// or, when the buffer was too small, what it needs.
template <typename Call>
std::optional<std::string> SystemText(Call call) {
  std::wstring buffer(MAX_PATH + 1, L'\0');
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD n = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::nullopt;
    if (n < buffer.size()) return Utf8(std::wstring_view(buffer.data(), n));
    buffer.assign(n + 1, L'\0');
  }
  return std::nullopt;
}

}  // namespace os
