#include "wizard/installation_records.h"

#include "bde/engine.h"
#include "bde/engine_registry_win32.h"
#include "bde/registration_template.h"
#include "bde/registry_keys.h"
#include "changes/files.h"
#include "changes/journal.h"
#include "config/config_sys_update.h"
#include "config/control_registration.h"
#include "config/group_commands.h"
#include "config/program_group.h"
#include "log/debug_log.h"
#include "os/ansi_code_page.h"
#include "os/os.h"
#include "os/trust_boundary.h"
#include "state/product.h"
#include "upgrade/program_search.h"

namespace {

std::optional<std::string> ProgramFilesDirectory() {
  bde::SystemEngineRegistry registry;
  return bde::ProgramFilesDirectory(registry);
}

}  // namespace

std::optional<std::string> RecordsFolder() {
  const std::optional<std::string> program_files = ProgramFilesDirectory();
  if (!program_files) return std::nullopt;
  return trust::RecordsFolderIn(*program_files);
}

std::string PrepareRecordsFolder() {
  const std::optional<std::string> records = RecordsFolder();
  if (!records) return "Nu gasesc directorul Program Files.";
  if (changes::DirectoryExists(*records)) return trust::ExistingFolderRefusal(*records);
  if (!changes::MakeDirectory(*records, trust::kRecordsFolderSddl))
    return "Directorul\r" + *records + "\rnu poate fi creat.";
  return {};
}

changes::Change RecordsFolderMade(const std::string& records) {
  changes::Change made;
  made.kind = changes::Kind::kDirectory;
  made.description = "create directory " + records;
  made.target = records;
  return made;
}

std::vector<changes::Change> WithoutRecordsFolder(const std::vector<changes::Change>& run) {
  const std::optional<std::string> records = RecordsFolder();
  std::vector<changes::Change> undone;
  for (const changes::Change& c : run) {
    if (!(records && c.kind == changes::Kind::kDirectory && os::SamePath(c.target, *records)))
      undone.push_back(c);
  }
  return undone;
}

changes::JournalBounds InstallationBounds(bool trusted, std::vector<std::string> directories,
                                          const std::string& backups) {
  changes::JournalBounds bounds;
  bounds.trusted = trusted;
  if (const std::optional<std::string> program_files = ProgramFilesDirectory())
    directories.push_back(bde::EngineCommonDir(*program_files));
  // An older engine may have been in a place of its own, where the copy put the new one.
  if (const std::optional<std::string> dll_path = bde::SystemEngineRegistry().EngineDllPath()) {
    const std::string engine = os::FromAnsiCodePage(dll_path->substr(0, dll_path->find(';')));
    if (!engine.empty()) directories.push_back(engine);
  }
  // The records folder holds the uninstaller the run put there.
  if (trusted) {
    if (const std::optional<std::string> records = RecordsFolder()) directories.push_back(*records);
  }
  bounds.directories = std::move(directories);
  bounds.backups = backups;
  bounds.registry_keys = {bde::kBorlandKey, kUninstallKey};
  bounds.profile_sections = {upgrade::kProfileSection};
  bounds.system_files = {config::kConfigSysPath};
  for (const char* alias : TInstallState::AliasNames)
    bounds.domain.emplace_back(bde::kAliasHandler, alias);
  bounds.domain.emplace_back(config::kGroupHandler, config::kGroupName);
  // Its undo runs a program from the directory the line names: only the records folder's
  // journal may say which.
  if (trusted) bounds.domain.emplace_back(config::kControlHandler, config::kControlName);
  return bounds;
}

void AdoptOlderJournal(const TInstallState& state, const std::string& kept) {
  const std::string older =
      os::WithTrailingBackslash(state.ProgramDir) + changes::kInstallationJournal;
  if (os::FileExists(kept) || !os::FileExists(older)) return;
  std::vector<std::string> places = {state.ProgramDir};
  if (state.InstallType != itClient) places.push_back(state.DataDir);
  const changes::CheckedJournal checked =
      changes::CheckJournal(changes::LoadJournal(older), InstallationBounds(false, places, {}));
  for (const std::string& line : checked.refused) DebugNote("Refuzat din jurnal: " + line);
  if (!changes::AppendChanges(checked.accepted, kept)) {
    DebugNote("Nu pot scrie " + kept);
    return;
  }
  DebugNote("Jurnalul " + older + " trece in " + kept);
  if (!trust::RemoveEntry(older)) DebugNote("Nu pot sterge " + older);
}

void OpenDataFolders(const TInstallState& state) {
  if (state.InheritPermissions || changes::Planning()) return;
  for (const std::string& dir :
       changes::OutermostDirectories(changes::RunChanges(), changes::kScopeData)) {
    if (!trust::ApplySddl(dir, trust::kDataFolderSddl))
      DebugNote("Nu pot da utilizatorilor dreptul de a scrie in " + dir);
  }
}

std::string KeepDataForTasks(const TInstallState& state) {
  if (changes::KeepDataFolder(state.DataDir)) return {};
  return "Nu pot pastra o copie a datelor din\r" + state.DataDir +
         "\rBaza de date nu a fost actualizata.";
}
