#include "config/alias_list.h"

#include "app/install_state.h"
#include "os/os.h"

namespace config {

AliasLists BuildAliasLists(const std::string& data_dir) {
  AliasLists lists;
  for (size_t i = 0; i < InstallState.AliasNames.size(); ++i) {
    lists.names.emplace_back(InstallState.AliasNames[i]);
    lists.paths.push_back(os::WithTrailingBackslash(data_dir) + InstallState.AliasPaths[i]);
  }
  return lists;
}

std::string AliasParameter(const std::string& path) {
  return "PATH:" + path;
}

}  // namespace config
