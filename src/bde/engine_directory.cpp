#include "bde/engine_directory.h"

#include <utility>

#include "bde/engine_version.h"
#include "changes/files.h"
#include "os/ansi_code_page.h"
#include "os/os.h"

namespace bde {

namespace {

constexpr const char* kNotInstalled = "\rMotorul baza de date (BDE) nu a fost instalat.";

bool EnsureDirectory(const std::string& path) {
  return changes::DirectoryExists(path) || changes::MakeDirectory(path) ||
         changes::DirectoryExists(path);
}

// DLLPATH may list several directories; the engine lives in the first.
std::string FirstPath(const std::string& list) {
  return list.substr(0, list.find(';'));
}

// Where an older engine, seen earlier and since removed, said it lived.
std::optional<std::string> OldEngineDirectory(EngineRegistry& registry) {
  const std::optional<std::string> dll_path = registry.EngineDllPath();
  if (!dll_path || FirstPath(*dll_path).empty()) return std::nullopt;
  return FirstPath(*dll_path);
}

EngineDirectoryChoice CommonFilesDirectory(EngineRegistry& registry) {
  const std::optional<std::string> program_files = registry.ProgramFilesDir();
  if (!program_files || program_files->empty()) {
    return {std::nullopt, false,
            std::string("Nu gasesc directorul Program Files.") + kNotInstalled};
  }
  const std::string base = os::WithoutTrailingBackslash(*program_files);
  for (const std::string& dir : {base + "\\Borland", base + "\\Borland\\Common Files",
                                 base + "\\Borland\\Common Files\\BDE"}) {
    if (!EnsureDirectory(dir))
      return {std::nullopt, false, "Nu pot crea directorul " + dir + kNotInstalled};
  }
  return {base + "\\Borland\\Common Files\\BDE"};
}

}  // namespace

EngineDirectoryChoice ChooseEngineDirectory(EngineRegistry& registry, bool& old_engine_found) {
  if (registry.EngineInstalled()) {
    if (const std::optional<std::string> version = registry.EngineVersion();
        version && IsOldEngineVersion(*version)) {
      old_engine_found = true;
    }
    // The installed engine is left as it is, whatever its version.
    return {std::nullopt, old_engine_found};
  }
  if (old_engine_found) {
    if (std::optional<std::string> dir = OldEngineDirectory(registry)) return {std::move(dir)};
  }
  return CommonFilesDirectory(registry);
}

std::optional<std::string> ProgramFilesDirectory(EngineRegistry& registry) {
  const std::optional<std::string> dir = registry.ProgramFilesDir();
  if (!dir || dir->empty()) return std::nullopt;
  return os::WithoutTrailingBackslash(os::FromAnsiCodePage(*dir));
}

std::optional<std::string> PlannedEngineDirectory(EngineRegistry& registry, bool old_engine_found) {
  if (registry.EngineInstalled()) return std::nullopt;
  if (old_engine_found) {
    if (std::optional<std::string> dir = OldEngineDirectory(registry)) return dir;
  }
  const std::optional<std::string> program_files = registry.ProgramFilesDir();
  if (!program_files || program_files->empty()) return std::nullopt;
  return os::WithoutTrailingBackslash(*program_files) + "\\Borland\\Common Files\\BDE";
}

}  // namespace bde
