#include "upgrade/program_search.h"

#include "log/debug_log.h"
#include "os/os.h"
#include "os/text_lines.h"

namespace upgrade {

namespace {

constexpr int64_t kSmallestProgram = 1000000;

}  // namespace

bool IsProgramDirectory(const std::string& directory) {
  const std::optional<int64_t> size =
      os::FileSize(os::WithTrailingBackslash(directory) + "VORTEL.EXE");
  return size && *size > kSmallestProgram;
}

std::optional<std::string> ProgramDirectoryFromProfile(SystemProbe& probe) {
  // The program is joined directly: an AppPath without its backslash names no directory.
  const std::string app_path = probe.ReadProfileString(kProfileSection, "AppPath");
  if (!app_path.empty() && os::FileExists(app_path + "Vortel.exe")) return app_path;

  // The database lies one level below the program; a trailing backslash is no level.
  std::string dir =
      os::WithoutTrailingBackslash(probe.ReadProfileString(kProfileSection, "DatabasePath"));
  const auto cut = dir.find_last_of('\\');
  dir = cut == std::string::npos ? std::string() : dir.substr(0, cut + 1);
  if (!dir.empty() && os::FileExists(dir + "Vortel.exe")) return dir;
  return std::nullopt;
}

std::vector<std::string> FixedDriveRoots(SystemProbe& probe) {
  std::vector<std::string> roots;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const std::string root = std::string(1, letter) + ":\\";
    if (probe.DriveType(root) == DriveKind::kFixed) roots.push_back(root);
  }
  return roots;
}

std::optional<std::string> SearchTree(const std::string& directory, const FolderFilter& accept) {
  if (IsProgramDirectory(directory) && (!accept || accept(directory))) return directory;
  for (const os::DirEntry& entry : os::ListDirectory(directory)) {
    if (!entry.is_directory || entry.is_link) continue;
    if (auto found = SearchTree(directory + entry.name + "\\", accept)) return found;
  }
  return std::nullopt;
}

std::optional<std::string> LocateProgramDirectory(SystemProbe& probe, bool trusted_only) {
  const std::string registered = probe.RegisteredProgramDirectory();
  if (!registered.empty() && IsProgramDirectory(registered))
    return os::WithTrailingBackslash(registered);
  FolderFilter accept;
  if (trusted_only) {
    accept = [&probe](const std::string& directory) {
      const std::string refusal = probe.FolderRefusal(directory);
      if (!refusal.empty()) DebugNote("Nu iau " + directory + ": " + os::OneLine(refusal));
      return refusal.empty();
    };
  }
  if (auto found = ProgramDirectoryFromProfile(probe); found && (!accept || accept(*found)))
    return found;
  for (const std::string& root : FixedDriveRoots(probe)) {
    if (auto found = SearchTree(root, accept)) return found;
  }
  return std::nullopt;
}

}  // namespace upgrade
