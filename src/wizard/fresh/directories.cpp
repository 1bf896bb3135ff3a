#include "wizard/fresh/directories.h"

#include <utility>

#include "changes/files.h"
#include "changes/journal.h"
#include "changes/journal_bounds.h"
#include "copy/fresh_copy.h"
#include "log/debug_log.h"
#include "os/ansi_code_page.h"
#include "os/os.h"
#include "os/trust_boundary.h"

namespace {

// The directories of `path` that do not exist, outermost first; all of them, or only `path`.
std::vector<std::string> MissingLevels(const std::string& path, bool every_level) {
  std::vector<std::string> missing;
  for (std::string dir = os::WithoutTrailingBackslash(path);
       !dir.empty() && !changes::DirectoryExists(dir);) {
    missing.insert(missing.begin(), dir);
    const std::string parent = os::WithoutTrailingBackslash(os::DirectoryOf(dir));
    if (!every_level || parent.size() >= dir.size()) break;
    dir = parent;
  }
  return missing;
}

// A person on the page makes one level, and a missing parent is theirs to fix; an administrator's
// command line names the folder it wants, whatever its depth. Each level made is journaled, so
// that undo and removal take it away again. A directory that is there already is written into,
// and so belongs to the installation when it is removed.
bool EnsureDirectory(const std::string& path, const std::string& sddl, bool every_level,
                     DirectoryOutcome& outcome) {
  if (changes::DirectoryExists(path)) {
    changes::RecordPlace(path);
    return true;
  }
  for (const std::string& dir : MissingLevels(path, every_level)) {
    if (!changes::MakeDirectory(dir, sddl)) {
      outcome.ok = false;
      outcome.not_created.push_back(path);
      return false;
    }
  }
  return true;
}

// The engine's configuration, the upgrade library and Program Manager's DDE text take paths in
// the ANSI code page only; a directory none of them could be given stops the run before the copy.
void CheckAnsiForm(const std::string& path, DirectoryOutcome& outcome) {
  if (path.empty()) return;
  std::string reason;
  const std::optional<std::string> form = os::AnsiPathForm(path, &reason);
  if (form) {
    if (*form != path) DebugNote("Forma ANSI a caii " + path + ": " + *form);
    return;
  }
  // A dry run makes no directory, so it has no short name yet; the run checks it once made.
  if (changes::Planning() && !os::DirectoryExists(path)) return;
  outcome.ok = false;
  outcome.no_ansi_form.push_back("Calea " + path +
                                 " nu poate fi data motorului de baze de date: " + reason + ".");
}

}  // namespace

RoomCheck FreshRoomCheck(const copy::MediaManifest* media, bde::EngineRegistry& registry,
                         std::function<bool(const std::string& text)> ask) {
  if (!media) return {};
  return [media, &registry, ask = std::move(ask)](const TInstallState& planned) {
    return copy::WaitForSpace([&] { return copy::FreshSpaceShortage(planned, *media, registry); },
                              ask);
  };
}

DirectoryOutcome StoreDirectories(TInstallState& state, const std::string& program_text,
                                  const std::string& data_text, const RoomCheck& room,
                                  const std::string& program_files, bool every_level) {
  DirectoryOutcome outcome;
  // Nothing is written through a link, nor into a folder a user made beforehand and still owns.
  for (const std::string& dir : {program_text, state.InstallType == itServer ? data_text : ""}) {
    if (dir.empty()) continue;
    if (std::string refusal = trust::ExistingFolderRefusal(dir); !refusal.empty())
      outcome.refused.push_back(std::move(refusal));
  }
  if (!outcome.refused.empty()) {
    outcome.ok = false;
    return outcome;
  }
  if (room) {
    TInstallState planned = state;
    planned.ProgramDir = planned.ProgramDirOffered = program_text;
    planned.DataDir = state.InstallType == itLocal ? program_text : data_text;
    if (!room(planned)) {
      outcome.ok = false;
      outcome.no_room = true;
      return outcome;
    }
  }
  state.ProgramDir = program_text;
  const bool inherit = state.InheritPermissions;
  // The program directory first, so that a database directory inside it can follow at once.
  EnsureDirectory(state.ProgramDir,
                  trust::NewFolderSddl(trust::FolderRole::kProgram, inherit,
                                       trust::PathInside(state.ProgramDir, program_files)),
                  every_level, outcome);
  switch (state.InstallType) {
    case itLocal:
      state.DataDir = state.ProgramDir;
      break;
    case itServer:
      if (EnsureDirectory(data_text, trust::NewFolderSddl(trust::FolderRole::kData, inherit, false),
                          every_level, outcome))
        state.DataDir = data_text;
      break;
    case itClient:
      if (changes::DirectoryExists(data_text)) {
        state.DataDir = data_text;
      } else {
        outcome.ok = false;
        outcome.client_database_missing = true;
      }
      break;
    case itNone:
      break;
  }
  if (outcome.ok) {
    CheckAnsiForm(state.ProgramDir, outcome);
    if (state.DataDir != state.ProgramDir) CheckAnsiForm(state.DataDir, outcome);
  }
  state.ProgramDirOffered = state.ProgramDir;
  state.DataDirOffered = state.DataDir;
  return outcome;
}
