#include "config/config_sys_rewrite.h"

namespace config {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool IsSettingLine(const std::string& line, const std::string& keyword) {
  size_t at = 0;
  while (at < line.size() && IsBlank(line[at])) ++at;
  for (char k : keyword) {
    if (at >= line.size() || Upper(line[at]) != k) return false;
    ++at;
  }
  while (at < line.size() && IsBlank(line[at])) ++at;
  return at < line.size() && line[at] == '=';
}

std::vector<std::string> RewriteConfigSys(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  out.reserve(lines.size() + 1);
  bool found = false;
  for (const std::string& line : lines) {
    if (IsSettingLine(line, "FILESHIGH")) {
      out.emplace_back("FILESHIGH=255");
      found = true;
    } else if (IsSettingLine(line, "FILES")) {
      out.emplace_back("FILES=255");
      found = true;
    } else {
      out.push_back(line);
    }
  }
  if (!found) out.emplace_back("FILES=255");
  return out;
}

std::string DescribeConfigSysRewrite(const std::vector<std::string>& lines, bool existed) {
  if (!existed) return "create CONFIG.SYS FILES=255";
  std::string settings;
  bool found = false;
  for (const std::string& line : lines) {
    const char* keyword = IsSettingLine(line, "FILESHIGH") ? "FILESHIGH"
                          : IsSettingLine(line, "FILES")   ? "FILES"
                                                           : nullptr;
    if (!keyword) continue;
    found = true;
    size_t from = line.find('=') + 1;
    while (from < line.size() && IsBlank(line[from])) ++from;
    size_t to = line.size();
    while (to > from && IsBlank(line[to - 1])) --to;
    const std::string value = line.substr(from, to - from);
    if (value == "255") continue;
    settings += (settings.empty() ? "" : ", ") + std::string(keyword) + "=255 (was " + value + ")";
  }
  if (!found) settings = "FILES=255 (was not set)";
  return "set CONFIG.SYS " + settings;
}

}  // namespace config
