#include "bde/alias_list.h"

#include "os/os.h"
#include "state/install_state.h"

namespace bde {

AliasLists BuildAliasLists(const std::string& data_dir) {
  AliasLists lists;
  for (size_t i = 0; i < TInstallState::AliasNames.size(); ++i) {
    lists.names.emplace_back(TInstallState::AliasNames[i]);
    lists.paths.push_back(os::WithTrailingBackslash(data_dir) + TInstallState::AliasPaths[i]);
  }
  return lists;
}

std::string AliasParameter(const std::string& path) {
  return "PATH:" + path;
}

}  // namespace bde
