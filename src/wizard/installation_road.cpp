#include "wizard/installation_road.h"

#include "bde/engine.h"
#include "changes/journal.h"
#include "log/debug_log.h"
#include "os/os.h"
#include "os/trust_boundary.h"
#include "upgrade/entry_installation.h"
#include "wizard/installation_records.h"

namespace {

// The installation's journal, when its records folder is the administrators' own.
std::vector<changes::Change> RecordsJournal() {
  const std::optional<std::string> records = RecordsFolder();
  if (!records || !os::DirectoryExists(*records)) return {};
  if (const std::string refusal = trust::ExistingFolderRefusal(*records); !refusal.empty()) {
    DebugNote("Nu citesc jurnalul din " + *records);
    return {};
  }
  return changes::LoadJournal(*records + "\\" + changes::kInstallationJournal);
}

}  // namespace

TInstallationFound FindInstallation(const TWizardServices& services, upgrade::SystemProbe& probe) {
  if (services.installation_found()) return {true, {}};
  std::string why;
  const std::optional<upgrade::EntryInstallation> entry =
      upgrade::InstallationFromEntry(probe, RecordsJournal(), why);
  if (!entry) {
    if (!why.empty()) DebugNote("Aliasul VORTEL lipseste si instalarea nu e luata: " + why);
    return {};
  }
  DebugNote("Aliasul VORTEL lipseste; instalarea din " + entry->program_dir +
            " este gasita prin Add or Remove Programs");
  return {true, entry->alias_path};
}

bool RestoreProductAlias(TInstallState& state, const std::string& path) {
  DebugNote("Pun la loc aliasul VORTEL: " + path);
  const bool added = bde::CreateAliases({"VORTEL"}, {path});
  if (changes::Planning() || (added && bde::ProductAliasExists())) return true;
  state.Failures.push_back("Nu pot pune la loc aliasul VORTEL pentru " + path);
  DebugNote("Eroare: " + state.Failures.back());
  return false;
}
