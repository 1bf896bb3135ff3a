// SETUPACT.DLL, the custom actions of the product's Windows Installer package: RunSetup runs
// the installer from the media the package installed, RemoveSetup runs the installer's quiet
// uninstall. A DLL rather than a program action: only a DLL can ask for the restart (an EXE
// action's exit code is success or failure alone).
#include <windows.h>
// Needs the types of windows.h.
#include <msi.h>
#include <msiquery.h>

#include <string>
#include <vector>

#include "package/package_command.h"
#include "wizard/installation_entry.h"

namespace {

std::string Property(MSIHANDLE install, const char* name) {
  DWORD size = 0;
  char empty[1] = "";
  if (MsiGetPropertyA(install, name, empty, &size) != ERROR_MORE_DATA) return std::string();
  std::vector<char> value(size + 1);
  size = static_cast<DWORD>(value.size());
  if (MsiGetPropertyA(install, name, value.data(), &size) != ERROR_SUCCESS) return std::string();
  return std::string(value.data(), size);
}

// A line in the package's log (msiexec /l*v).
void Log(MSIHANDLE install, const std::string& text) {
  const MSIHANDLE record = MsiCreateRecord(0);
  MsiRecordSetStringA(record, 0, ("RidOZIZUZ: " + text).c_str());
  MsiProcessMessage(install, INSTALLMESSAGE_INFO, record);
  MsiCloseHandle(record);
}

// Runs a command line without a window and waits for it; -1 when it cannot start.
int RunAndWait(std::string command_line) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &process))
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

std::string QuietUninstallCommand() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY,
                    &key) != ERROR_SUCCESS)
    return std::string();
  char value[2048];
  DWORD size = sizeof value - 1;
  DWORD type = 0;
  const LONG read = RegQueryValueExA(key, "QuietUninstallString", nullptr, &type,
                                     reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  if (read != ERROR_SUCCESS || type != REG_SZ) return std::string();
  value[size] = '\0';
  return value;
}

}  // namespace

extern "C" __declspec(dllexport) UINT __stdcall RunSetup(MSIHANDLE install) {
  return Run(install, package::SetupCommandLine(Property(install, "CustomActionData")));
}

extern "C" __declspec(dllexport) UINT __stdcall RemoveSetup(MSIHANDLE install) {
  auto fields = package::ActionFields(Property(install, "CustomActionData"));
  if (AnotherPackageInstalled(fields["UPGRADECODE"], fields["PRODUCTCODE"])) {
    Log(install, "a newer package keeps the installation");
    return ERROR_SUCCESS;
  }
  const std::string quiet = QuietUninstallCommand();
  if (quiet.empty()) {
    Log(install, "the installation is no longer there");
    return ERROR_SUCCESS;
  }
  return Run(install, package::RemovalCommandLine(quiet, fields.count("REMOVEDATA") > 0));
}
