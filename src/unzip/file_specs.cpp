#include "unzip/file_specs.h"

namespace unzip {

namespace {

std::string Upper(std::string s) {
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return s;
}

bool EndsWith(const std::string& s, const char* tail) {
  const std::string t = tail;
  return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

}  // namespace

bool MatchesFileSpecs(const std::string& raw_specs, const std::string& raw_name) {
  if (raw_specs.empty() || raw_specs == "*.*") return true;
  std::string specs = Upper(raw_specs);
  const std::string name = Upper(raw_name);
  const size_t dot = name.find('.');
  if (specs.compare(0, 2, "*.") == 0) {
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    return specs.substr(2) == extension;
  }
  if (EndsWith(specs, "*")) {
    if (EndsWith(specs, ".*")) specs.resize(specs.size() - 2);
    if (!specs.empty() && (specs.back() == '*' || specs.back() == '?')) specs.pop_back();
    const std::string base = name.substr(0, dot);
    return base.compare(0, specs.size(), specs) == 0 && base.size() >= specs.size();
  }
  return specs == name;
}

}  // namespace unzip
