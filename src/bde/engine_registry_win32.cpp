#include "bde/engine_registry_win32.h"

#include <vector>

namespace bde {

std::optional<std::string> ReadRegistryText(HKEY root, const char* key, const char* value) {
  HKEY handle;
  if (RegOpenKeyExA(root, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) return std::nullopt;
  std::optional<std::string> text;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(handle, value, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    std::vector<char> bytes(size + 1, '\0');
    if (RegQueryValueExA(handle, value, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()),
                         &size) == ERROR_SUCCESS) {
      // The stored text need not carry its terminating zero.
      text = std::string(bytes.data());
    }
  }
  RegCloseKey(handle);
  return text;
}

bool SystemEngineRegistry::EngineInstalled() {
  HKEY handle;
  if (RegOpenKeyExA(root_, kEngineInitKey, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(handle);
  return true;
}

std::optional<std::string> SystemEngineRegistry::EngineVersion() {
  return ReadRegistryText(root_, kEngineInitKey, "VERSION");
}

std::optional<std::string> SystemEngineRegistry::EngineDllPath() {
  return ReadRegistryText(root_, kEngineKey, "DLLPATH");
}

std::optional<std::string> SystemEngineRegistry::ProgramFilesDir() {
  return ReadRegistryText(root_, kWindowsKey, "ProgramFilesDir");
}

}  // namespace bde
