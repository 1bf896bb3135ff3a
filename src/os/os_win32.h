// What Win32 code outside the seam needs of it to reach the system the same way.
#pragma once

#include <optional>
#include <string>

namespace os {

// A path as the wide functions take it: UTF-16, in the long form ("\\?\") when it is an absolute
// path too long for the ordinary one. Nothing, with ERROR_NO_UNICODE_TRANSLATION as the last
// error, when the path is no UTF-8.
std::optional<std::wstring> SystemPath(const std::string& path);

}  // namespace os
