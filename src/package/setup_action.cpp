// SETUPACT.DLL, the custom actions of the product's Windows Installer package: RunSetup runs
// the installer from the media the package installed, RepairSetup its repair from them
// (msiexec /f), RemoveSetup runs the installer's quiet uninstall. A DLL rather than a program
// action: only a DLL can ask for the restart (an EXE action's exit code is success or failure
// alone).
#include <windows.h>
// Needs the types of windows.h.
#include <msi.h>
#include <msiquery.h>

#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "os/text_encoding.h"
#include "os/trust_boundary.h"
#include "package/package_command.h"
#include "state/exit_codes.h"
#include "wizard/installation_entry.h"

namespace {

// Properties, log lines and command lines go through the wide functions: a folder the ANSI
// code page lacks (a user's or a share's Romanian name) passes whole. Text here is UTF-8.
std::string Property(MSIHANDLE install, const wchar_t* name) {
  DWORD size = 0;
  wchar_t empty[1] = L"";
  if (MsiGetPropertyW(install, name, empty, &size) != ERROR_MORE_DATA) return std::string();
  std::vector<wchar_t> value(size + 1);
  size = static_cast<DWORD>(value.size());
  if (MsiGetPropertyW(install, name, value.data(), &size) != ERROR_SUCCESS) return std::string();
  return os::Utf8Shown(std::wstring_view(value.data(), size));
}

// A line in the package's log (msiexec /l*v).
void Log(MSIHANDLE install, const std::string& text) {
  const MSIHANDLE record = MsiCreateRecord(0);
  MsiRecordSetStringW(record, 0, os::WideShown("RidOZIZUZ: " + text).c_str());
  MsiProcessMessage(install, INSTALLMESSAGE_INFO, record);
  MsiCloseHandle(record);
}

// Runs a command line without a window, in the system folder, and waits for it; -1 when it
// cannot start.
int RunAndWait(const std::string& command_line) {
  std::optional<std::wstring> command = os::Wide(command_line);
  const std::optional<std::wstring> folder = os::Wide(trust::SystemFolder());
  if (!command || !folder) return -1;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command->data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      folder->empty() ? nullptr : folder->c_str(), &startup, &process))
    return -1;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

UINT Run(MSIHANDLE install, const std::string& command_line) {
  Log(install, "runs " + command_line);
  const int code = RunAndWait(command_line);
  Log(install, code == -1 ? "cannot start it" : "it ended with " + std::to_string(code));
  switch (package::OutcomeOf(code)) {
    case package::Outcome::kDone:
      return ERROR_SUCCESS;
    case package::Outcome::kRestartNeeded:
      MsiSetMode(install, MSIRUNMODE_REBOOTATEND, TRUE);
      return ERROR_SUCCESS;
    case package::Outcome::kCancelled:
      return ERROR_INSTALL_USEREXIT;
    case package::Outcome::kFailed:
      break;
  }
  return ERROR_INSTALL_FAILURE;
}

// Whether another package of the product is installed: removing this one (the older one after
// an upgrade) must leave the installation to it. Windows says so by UPGRADINGPRODUCTCODE; Wine
// removes the older package without it, after the newer one is registered.
bool AnotherPackageInstalled(const std::string& upgrade_code, const std::string& product_code) {
  char found[39];
  for (DWORD i = 0; MsiEnumRelatedProductsA(upgrade_code.c_str(), 0, i, found) == ERROR_SUCCESS;
       ++i) {
    if (lstrcmpiA(found, product_code.c_str()) != 0) return true;
  }
  return false;
}

// The installer writes its entry in its own view of the registry; it is of this action's build.
#if defined(_WIN64)
constexpr REGSAM kInstallerView = KEY_WOW64_64KEY;
#else
constexpr REGSAM kInstallerView = KEY_WOW64_32KEY;
#endif

std::string QuietUninstallCommand() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, os::WideShown(kUninstallKey).c_str(), 0,
                    KEY_QUERY_VALUE | kInstallerView, &key) != ERROR_SUCCESS)
    return std::string();
  wchar_t value[2048];
  DWORD size = sizeof value - sizeof value[0];
  DWORD type = 0;
  const LONG read = RegQueryValueExW(key, L"QuietUninstallString", nullptr, &type,
                                     reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  if (read != ERROR_SUCCESS || type != REG_SZ) return std::string();
  value[size / sizeof value[0]] = L'\0';
  return os::Utf8Shown(value);
}

// The action's fields; nothing, named in the log and ended as the installer ends a bad switch
// (87, a failure for the package), when a property's value holds "|" and so could have put a
// field of its own into the data, such as another media folder.
std::optional<std::map<std::string, std::string>> Fields(MSIHANDLE install,
                                                         std::span<const char* const> names) {
  std::string refused;
  auto fields = package::ActionFields(Property(install, L"CustomActionData"), names, &refused);
  if (!fields) {
    Log(install, "a property holds \"|\" (" + refused + " or one before it): refused; " +
                     "it ended with " + std::to_string(kExitBadArguments));
  }
  return fields;
}

}  // namespace

extern "C" __declspec(dllexport) UINT __stdcall RunSetup(MSIHANDLE install) {
  const auto fields = Fields(install, package::kRunSetupFields);
  if (!fields) return ERROR_INSTALL_FAILURE;
  return Run(install, package::SetupCommandLine(*fields));
}

extern "C" __declspec(dllexport) UINT __stdcall RepairSetup(MSIHANDLE install) {
  const auto fields = Fields(install, package::kRepairSetupFields);
  if (!fields) return ERROR_INSTALL_FAILURE;
  return Run(install, package::RepairCommandLine(*fields));
}

extern "C" __declspec(dllexport) UINT __stdcall RemoveSetup(MSIHANDLE install) {
  auto fields = Fields(install, package::kRemoveSetupFields);
  if (!fields) return ERROR_INSTALL_FAILURE;
  if (AnotherPackageInstalled((*fields)["UPGRADECODE"], (*fields)["PRODUCTCODE"])) {
    Log(install, "a newer package keeps the installation");
    return ERROR_SUCCESS;
  }
  const std::string quiet = QuietUninstallCommand();
  if (quiet.empty()) {
    Log(install, "the installation is no longer there");
    return ERROR_SUCCESS;
  }
  return Run(install, package::RemovalCommandLine(quiet, fields->count("REMOVEDATA") > 0));
}
