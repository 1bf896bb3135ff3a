#include "upgrade/install_location.h"

#include <cctype>

#include "os/os.h"

namespace upgrade {

namespace {

bool IsNetworkPath(const std::string& path) {
  return path.rfind("\\\\", 0) == 0;
}

}  // namespace

std::string DataRootFromAlias(std::string alias_path) {
  alias_path = os::WithoutTrailingBackslash(std::move(alias_path));
  if (alias_path.size() >= 5) {
    std::string tail = alias_path.substr(alias_path.size() - 5);
    for (char& c : tail) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (tail == "\\DATA") alias_path.resize(alias_path.size() - 5);
  }
  return alias_path;
}

std::string DriveRootOf(const std::string& path) {
  if (!IsNetworkPath(path)) return path.substr(0, 3);
  size_t at = 1;
  for (int slashes = 2; slashes < 4; ++slashes) {
    at = path.find('\\', at + 1);
    if (at == std::string::npos) return os::WithTrailingBackslash(path);
  }
  return path.substr(0, at + 1);
}

bool IsRemoteLocation(const std::string& path, SystemProbe& probe) {
  // A network path names another machine even while its server cannot be reached.
  return probe.DriveType(DriveRootOf(path)) == DriveKind::kRemote || IsNetworkPath(path);
}

}  // namespace upgrade
