#include "upgrade/system_probe_win32.h"

#include <windows.h>

#include "os/text_encoding.h"

namespace upgrade {

DriveKind SystemProbeWin32::DriveType(const std::string& root) {
  const UINT type = GetDriveTypeW(os::WideShown(root).c_str());
  return type <= DRIVE_RAMDISK ? static_cast<DriveKind>(type) : DriveKind::kUnknown;
}

std::string SystemProbeWin32::ReadProfileString(const std::string& section,
                                                const std::string& key) {
  // Room for any path, in its long form too: a longer one cut short would name another
  // directory.
  constexpr DWORD kRoom = 32768;
  std::wstring buffer(kRoom, L'\0');
  DWORD n;
  if (profile_file_.empty()) {
    n = GetProfileStringW(os::WideShown(section).c_str(), os::WideShown(key).c_str(), L"",
                          buffer.data(), kRoom);
  } else {
    n = GetPrivateProfileStringW(os::WideShown(section).c_str(), os::WideShown(key).c_str(), L"",
                                 buffer.data(), kRoom, os::WideShown(profile_file_).c_str());
  }
  buffer.resize(n);
  return os::Utf8Shown(buffer);
}

}  // namespace upgrade
