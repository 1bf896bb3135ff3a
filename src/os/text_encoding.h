// Text inside the program is UTF-8; Windows speaks UTF-16. Every conversion between the two
// happens here, and a conversion either gives the whole text or says why it cannot: a path is
// never cut short or changed by a character that stood for one it could not carry.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace os {

// UTF-8 to UTF-16. Nothing, with `error` saying where, for bytes that are no UTF-8: a broken or
// overlong sequence, an encoded surrogate or a value above U+10FFFF.
std::optional<std::u16string> Utf8ToUtf16(std::string_view text, std::string* error = nullptr);
// UTF-16 to UTF-8. Nothing, with `error` saying where, for a surrogate without its pair.
std::optional<std::string> Utf16ToUtf8(std::u16string_view text, std::string* error = nullptr);

// Characters as Windows counts them (UTF-16 units); nothing for bytes that are no UTF-8.
std::optional<size_t> Utf16Length(std::string_view text);

// For text bound where only UTF-8 may go (the log): its UTF-8 as it is, every byte that is no
// UTF-8 written as \xNN, so that a name in another code page is still read, and read exactly.
std::string Utf8Escaped(std::string_view text);

// For texts only shown, never used as names: what cannot be converted shows as U+FFFD.
std::u16string Utf8ToUtf16Shown(std::string_view text);
std::string Utf16ToUtf8Shown(std::u16string_view text);

#ifdef _WIN32
// The same for the system's own character type, 16 bits on Windows.
std::optional<std::wstring> Wide(std::string_view text, std::string* error = nullptr);
std::optional<std::string> Utf8(std::wstring_view text, std::string* error = nullptr);
std::wstring WideShown(std::string_view text);
std::string Utf8Shown(std::wstring_view text);
#endif

}  // namespace os
