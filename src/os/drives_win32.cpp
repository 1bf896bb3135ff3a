#include <windows.h>

#include "os/drives.h"
#include "os/text_encoding.h"

namespace os {

std::optional<DriveSpace> SpaceOfDrive(const std::string& root) {
  const std::optional<std::wstring> name = Wide(root);
  if (!name) return std::nullopt;
  // No "insert a disk" box from the system for an empty drive: the caller says what is missing.
  const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
  ULARGE_INTEGER available, total;
  DWORD sectors_per_cluster = 0, bytes_per_sector = 0, free_clusters = 0, clusters = 0;
  const bool known = GetDiskFreeSpaceExW(name->c_str(), &available, &total, nullptr) != 0;
  const bool geometry = GetDiskFreeSpaceW(name->c_str(), &sectors_per_cluster, &bytes_per_sector,
                                          &free_clusters, &clusters) != 0;
  SetErrorMode(previous);
  if (!known) return std::nullopt;
  DriveSpace space;
  space.free = available.QuadPart;
  // A share may not tell its geometry; its files still take at least 4 KB each on most servers.
  space.cluster = geometry ? sectors_per_cluster * bytes_per_sector : 4096;
  return space;
}

}  // namespace os
