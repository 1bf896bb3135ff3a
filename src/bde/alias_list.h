// The product's database aliases and where they point.
#pragma once

#include <string>
#include <vector>

namespace bde {

struct AliasLists {
  std::vector<std::string> names;
  std::vector<std::string> paths;
};

// The four aliases of the installation state, each under the data directory (with or without
// its trailing backslash).
AliasLists BuildAliasLists(const std::string& data_dir);
// The engine's parameter string for an alias path: "PATH:" and the directory, unquoted.
std::string AliasParameter(const std::string& path);

}  // namespace bde
