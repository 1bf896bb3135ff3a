#include "upgrade/library_path.h"

#include "os/os.h"

namespace upgrade {

std::string UpgradeLibraryPath(const std::string& program_dir) {
  return os::WithTrailingBackslash(program_dir) + kUpgradeLibraryName;
}

}  // namespace upgrade
