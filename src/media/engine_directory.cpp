#include "media/engine_directory.h"

#include "media/engine_version.h"
#include "os/os.h"

bool OldEngineFound = false;

namespace media {

namespace {

bool EnsureDirectory(const std::string& path) {
  return os::DirectoryExists(path) || os::MakeDirectory(path) || os::DirectoryExists(path);
}

// DLLPATH may list several directories; the engine lives in the first.
std::string FirstPath(const std::string& list) {
  return list.substr(0, list.find(';'));
}

std::optional<std::string> CommonFilesDirectory(EngineRegistry& registry, AssemblyHost& host) {
  const std::optional<std::string> program_files = registry.ProgramFilesDir();
  if (!program_files || program_files->empty()) {
    host.ShowError(
        "Nu gasesc directorul Program Files.\rMotorul baza de date (BDE) nu a fost "
        "instalat.");
    return std::nullopt;
  }
  const std::string base = os::WithoutTrailingBackslash(*program_files);
  for (const std::string& dir : {base + "\\Borland", base + "\\Borland\\Common Files",
                                 base + "\\Borland\\Common Files\\BDE"}) {
    if (!EnsureDirectory(dir)) {
      host.ShowError("Nu pot crea directorul " + dir +
                     "\rMotorul baza de date (BDE) nu a fost "
                     "instalat.");
      return std::nullopt;
    }
  }
  return base + "\\Borland\\Common Files\\BDE";
}

}  // namespace

std::optional<std::string> ChooseEngineDirectory(EngineRegistry& registry, AssemblyHost& host) {
  if (registry.EngineInstalled()) {
    if (const std::optional<std::string> version = registry.EngineVersion();
        version && IsOldEngineVersion(*version)) {
      OldEngineFound = true;
    }
    if (OldEngineFound) {
      host.SetMessageSuffix(kOldEngineSuffix);
      host.ShowError(kOldEngineWarning);
      host.SetMessageSuffix(kContinueSuffix);
    }
    // The installed engine is left as it is, whatever its version.
    return std::nullopt;
  }
  if (OldEngineFound) {
    const std::optional<std::string> dll_path = registry.EngineDllPath();
    if (dll_path && !FirstPath(*dll_path).empty()) return FirstPath(*dll_path);
  }
  return CommonFilesDirectory(registry, host);
}

}  // namespace media
