#include <algorithm>
#include <cctype>

#include "os/drives.h"
#include "os/os.h"

namespace os {

std::string DirectoryOf(const std::string& path) {
  const auto cut = path.find_last_of("\\/:");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string WithTrailingBackslash(std::string path) {
  if (path.empty() || path.back() != '\\') path += '\\';
  return path;
}

std::string WithoutTrailingBackslash(std::string path) {
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

bool SamePath(std::string a, std::string b) {
  a = WithoutTrailingBackslash(a);
  b = WithoutTrailingBackslash(b);
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

std::string DriveRoot(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
    return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])))) +
           ":\\";
  }
  if (path.rfind("\\\\", 0) != 0) return {};
  // "\\SERVER\SHARE\": the two names after the leading pair.
  const size_t server_end = path.find('\\', 2);
  if (server_end == std::string::npos || server_end == 2) return {};
  const size_t share_end = path.find('\\', server_end + 1);
  std::string root = path.substr(0, share_end);
  if (root.size() == server_end + 1) return {};
  for (char& c : root) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return root + "\\";
}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = kInvalid;
  }
  return *this;
}

}  // namespace os
