// A reader for INI files with the integer rules of GetPrivateProfileIntA, for the host build.
#include <cctype>
#include <fstream>

#include "os/os.h"

namespace os {

namespace {

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace

int32_t ReadProfileInt(const std::string& section, const std::string& key, int32_t default_value,
                       const std::string& path) {
  std::string native = path;
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  std::ifstream in(native, std::ios::binary);
  if (!in) return default_value;
  bool in_section = false;
  std::string line;
  while (std::getline(in, line)) {
    const std::string t = Trim(line);
    if (!t.empty() && t.front() == '[') {
      const auto close = t.find(']');
      in_section = close != std::string::npos && SameText(Trim(t.substr(1, close - 1)), section);
      continue;
    }
    if (!in_section) continue;
    const auto eq = t.find('=');
    if (eq == std::string::npos || !SameText(Trim(t.substr(0, eq)), key)) continue;
    const std::string value = Trim(t.substr(eq + 1));
    // Leading decimal digits only; a sign or anything else gives 0.
    int64_t n = 0;
    for (char c : value) {
      if (!std::isdigit(static_cast<unsigned char>(c))) break;
      n = n * 10 + (c - '0');
      if (n > 0x7fffffff) n = 0x7fffffff;
    }
    return static_cast<int32_t>(n);
  }
  return default_value;
}

}  // namespace os
