#include "upgrade/system_probe_win32.h"

#include <windows.h>

#include "os/text_encoding.h"
#include "state/product.h"

namespace upgrade {

std::string RegisteredProgramDirectory() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, os::WideShown(kUninstallKey).c_str(), 0, KEY_QUERY_VALUE,
                    &key) != ERROR_SUCCESS)
    return {};
  std::wstring text(32768, L'\0');
  DWORD type = 0, size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  const LONG read = RegQueryValueExW(key, L"InstallLocation", nullptr, &type,
                                     reinterpret_cast<BYTE*>(text.data()), &size);
  RegCloseKey(key);
  if (read != ERROR_SUCCESS || type != REG_SZ) return {};
  text.resize(size / sizeof(wchar_t));
  return os::Utf8Shown(text.substr(0, text.find(L'\0')));
}

std::string SystemProbeWin32::RegisteredProgramDirectory() {
  return upgrade::RegisteredProgramDirectory();
}

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
