#include "os/trust_boundary.h"

namespace trust {

// --- Programs and libraries ------------------------------------------------------------

bool IsFullPath(const std::string& path) {
  const bool drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  const bool share = path.size() > 2 && path.compare(0, 2, "\\\\") == 0 && path[2] != '\\';
  return drive || share;
}

std::string InFolder(const std::string& folder, const std::string& file) {
  // The text is UTF-8: a backslash byte is always a backslash.
  if (!folder.empty() && folder.back() == '\\') return folder + file;
  return folder + "\\" + file;
}

std::optional<std::string> RegistryEditorPath(const std::string& windows_folder) {
  if (!IsFullPath(windows_folder)) return std::nullopt;
  return InFolder(windows_folder, "regedit.exe");
}

std::optional<std::string> ServiceProgramPath(const std::string& system_folder,
                                              const std::string& service) {
  if (!IsFullPath(system_folder)) return std::nullopt;
  return InFolder(system_folder, service + ".exe");
}

std::optional<std::string> EngineLibraryPath(const std::string& dll_path_list) {
  const std::string first = dll_path_list.substr(0, dll_path_list.find(';'));
  if (!IsFullPath(first)) return std::nullopt;
  return InFolder(first, kEngineLibrary);
}

}  // namespace trust
