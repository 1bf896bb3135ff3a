#include "ui/ini_text.h"

#include <cctype>
#include <charconv>

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> IniText::Value(std::string_view section, std::string_view key) const {
  std::string_view rest = text_;
  bool in_section = false;
  while (!rest.empty()) {
    const size_t eol = rest.find_first_of("\r\n");
    std::string_view line = Trim(rest.substr(0, eol));
    rest = eol == std::string_view::npos ? std::string_view() : rest.substr(eol + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      if (close == std::string_view::npos) continue;
      if (in_section) return std::nullopt;  // only the first matching section counts
      in_section = SameName(Trim(line.substr(1, close - 1)), section);
      continue;
    }
    if (!in_section) continue;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    if (SameName(Trim(line.substr(0, eq)), key)) return std::string(Trim(line.substr(eq + 1)));
  }
  return std::nullopt;
}

std::string IniText::ReadString(std::string_view section, std::string_view key,
                                const std::string& default_value) const {
  return Value(section, key).value_or(default_value);
}

int32_t IniText::ReadInteger(std::string_view section, std::string_view key,
                             int32_t default_value) const {
  const auto value = Value(section, key);
  if (!value) return default_value;
  return ParseIniInteger(*value).value_or(default_value);
}

std::optional<int32_t> ParseIniInteger(std::string_view text) {
  text = Trim(text);
  if (text.empty()) return std::nullopt;
  std::string_view hex;
  if (text.front() == '$') {
    hex = text.substr(1);
  } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    hex = text.substr(2);
  }
  if (!hex.empty() || text.front() == '$') {
    if (hex.empty() || hex.size() > 8) return std::nullopt;
    uint32_t v = 0;
    const auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), v, 16);
    if (ec != std::errc() || end != hex.data() + hex.size()) return std::nullopt;
    return static_cast<int32_t>(v);
  }
  if (text.front() == '+') text.remove_prefix(1);
  int32_t v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, 10);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}
