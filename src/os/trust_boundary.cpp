#include "os/trust_boundary.h"

#include "os/os.h"

namespace trust {

// --- Security descriptors of what the installer makes ------------------------------------

namespace {

constexpr char kRunFolderStem[] = "RidOZIZUZ-";
constexpr char kDigits[] = "0123456789ABCDEF";

}  // namespace

std::string RunFolderName(const std::array<uint8_t, 16>& random) {
  std::string name = kRunFolderStem;
  for (const uint8_t byte : random) {
    name += kDigits[byte >> 4];
    name += kDigits[byte & 15];
  }
  return name;
}

bool IsRunFolderName(const std::string& name) {
  const std::string stem = kRunFolderStem;
  if (name.size() != stem.size() + 32 || name.compare(0, stem.size(), stem) != 0) return false;
  return name.find_first_not_of(kDigits, stem.size()) == std::string::npos;
}

std::optional<std::string> MakeRunFolder(const std::string& parent) {
  // A name that exists was made by somebody else: another name, never that folder.
  for (int attempt = 0; attempt < 8; ++attempt) {
    std::array<uint8_t, 16> random{};
    if (!RandomBytes(random.data(), random.size())) return std::nullopt;
    const std::string folder = os::WithTrailingBackslash(parent) + RunFolderName(random);
    if (MakeDirectoryWithDescriptor(folder, kRunFolderSddl)) return folder;
  }
  return std::nullopt;
}

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
