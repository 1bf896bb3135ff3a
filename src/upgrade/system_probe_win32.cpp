#include "upgrade/system_probe_win32.h"

#include <windows.h>

namespace upgrade {

DriveKind SystemProbeWin32::DriveType(const std::string& root) {
  const UINT type = GetDriveTypeA(root.c_str());
  return type <= DRIVE_RAMDISK ? static_cast<DriveKind>(type) : DriveKind::kUnknown;
}

std::string SystemProbeWin32::ReadProfileString(const std::string& section,
                                                const std::string& key) {
  // Room for any path: a longer one cut short would name another directory.
  char buffer[MAX_PATH + 1] = "";
  if (profile_file_.empty()) {
    GetProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer);
  } else {
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer,
                             profile_file_.c_str());
  }
  return buffer;
}

}  // namespace upgrade
