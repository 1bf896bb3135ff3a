#include <sys/statvfs.h>

#include "os/drives.h"

namespace os {

std::optional<DriveSpace> SpaceOfDrive(const std::string& root) {
  struct statvfs vfs;
  const std::string path = root.empty() ? std::string("/") : root;
  if (::statvfs(path.c_str(), &vfs) != 0) return std::nullopt;
  return DriveSpace{static_cast<uint64_t>(vfs.f_bavail) * vfs.f_frsize,
                    static_cast<uint32_t>(vfs.f_bsize)};
}

}  // namespace os
