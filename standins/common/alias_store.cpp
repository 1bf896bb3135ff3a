#include "common/alias_store.h"

#include <windows.h>

#include <fstream>

namespace standin {

namespace {
constexpr char kHeader[] = "; engine aliases: name, driver type, path (tab separated)\r\n";
}

bool IsStorableField(const std::string& text) {
  return !text.empty() && text.find_first_of(std::string("\t\r\n\0", 4)) == std::string::npos;
}

std::vector<Alias> LoadAliases(const std::string& path) {
  std::vector<Alias> aliases;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    const auto tab1 = line.find('\t');
    const auto tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
    if (tab2 == std::string::npos) continue;
    Alias alias{line.substr(0, tab1), line.substr(tab1 + 1, tab2 - tab1 - 1),
                line.substr(tab2 + 1)};
    if (!IsStorableField(alias.name) || !IsStorableField(alias.driver) ||
        !IsStorableField(alias.path) || FindAlias(aliases, alias.name))
      continue;
    aliases.push_back(std::move(alias));
  }
  return aliases;
}

bool SaveAliases(const std::string& path, const std::vector<Alias>& aliases) {
  std::string text = kHeader;
  for (const Alias& a : aliases) text += a.name + "\t" + a.driver + "\t" + a.path + "\r\n";
  const std::string temp = path + ".new";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out.write(text.data(), static_cast<std::streamsize>(text.size())) || !out.flush())
      return false;
  }
  if (MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileA(temp.c_str());
  return false;
}

bool SameAliasName(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

std::optional<Alias> FindAlias(const std::vector<Alias>& aliases, const std::string& name) {
  for (const Alias& a : aliases)
    if (SameAliasName(a.name, name)) return a;
  return std::nullopt;
}

}  // namespace standin
