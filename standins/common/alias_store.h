// The engine stand-in's alias store: a text file beside IDAPI32.DLL, one alias per line as
// name, driver type and path separated by tabs. The upgrade library reads the same file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace standin {

struct Alias {
  std::string name;
  std::string driver;
  std::string path;
};

constexpr char kAliasFileName[] = "IDAPI32.CFG";

// A field fits the file when it is non-empty and holds no tab, CR, LF or zero.
bool IsStorableField(const std::string& text);
// The aliases of a file; a missing file holds none, malformed lines are skipped.
std::vector<Alias> LoadAliases(const std::string& path);
// Replaces the file in one step, so a reader never sees half of it.
bool SaveAliases(const std::string& path, const std::vector<Alias>& aliases);
// Alias names compare without regard to case.
bool SameAliasName(const std::string& a, const std::string& b);
std::optional<Alias> FindAlias(const std::vector<Alias>& aliases, const std::string& name);

}  // namespace standin
