#include <windows.h>

#include "os/ansi_code_page.h"
#include "os/os_win32.h"
#include "os/text_encoding.h"

namespace os {

std::optional<std::string> ToAnsiCodePage(const std::string& text) {
  const std::optional<std::wstring> wide = Wide(text);
  if (!wide) return std::nullopt;
  if (wide->empty()) return std::string();
  const int length = static_cast<int>(wide->size());
  BOOL substituted = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide->data(), length, nullptr, 0,
                                    nullptr, &substituted);
  if (n <= 0 || substituted) return std::nullopt;
  std::string bytes(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide->data(), length, bytes.data(), n, nullptr,
                      &substituted);
  // Multi-byte code pages may map without a substitute and still not come back the same.
  if (substituted || FromAnsiCodePage(bytes) != text) return std::nullopt;
  return bytes;
}

std::string FromAnsiCodePage(const std::string& bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, wide.data(), n);
  return Utf8Shown(wide);
}

unsigned AnsiCodePageNumber() {
  return GetACP();
}

namespace {

std::string CodePageLacks() {
  return "are caractere pe care pagina de cod " + std::to_string(GetACP()) + " nu le are";
}

}  // namespace

std::optional<std::string> AnsiPathForm(const std::string& path, std::string* reason) {
  std::string why;
  if (!Wide(path, &why)) {
    if (reason) *reason = why;
    return std::nullopt;
  }
  if (ToAnsiCodePage(path)) return path;
  // The deepest part that exists has a short name; what follows it is taken as it is written.
  std::string head = path, tail;
  while (GetFileAttributesW(Wide(head)->c_str()) == INVALID_FILE_ATTRIBUTES) {
    const size_t cut = head.find_last_of('\\');
    if (cut == std::string::npos || cut == 0) break;
    // A drive's root keeps its backslash.
    const size_t keep = cut == 2 && head[1] == ':' ? 3 : cut;
    if (keep >= head.size()) break;
    tail = head.substr(keep) + tail;
    head.resize(keep);
  }
  const std::wstring wide_head = *Wide(head);
  const std::optional<std::string> short_head =
      SystemText([&wide_head](wchar_t* buffer, DWORD size) {
        return GetShortPathNameW(wide_head.c_str(), buffer, size);
      });
  if (!short_head || !ToAnsiCodePage(tail)) {
    if (reason) {
      *reason = CodePageLacks() + ", iar o cale care nu exista inca nu are nume scurt (8.3)";
    }
    return std::nullopt;
  }
  const std::string form = *short_head + tail;
  if (!ToAnsiCodePage(form)) {
    if (reason) *reason = CodePageLacks() + ", iar volumul ei nu i-a dat un nume scurt (8.3)";
    return std::nullopt;
  }
  return form;
}

std::string LongPathForm(const std::string& path) {
  const std::optional<std::wstring> wide = Wide(path);
  if (!wide) return path;
  return SystemText([&wide](wchar_t* buffer, DWORD size) {
           return GetLongPathNameW(wide->c_str(), buffer, size);
         })
      .value_or(path);
}

}  // namespace os
