#include "upgrade/entry_installation.h"

#include "bde/engine.h"
#include "os/os.h"
#include "os/text_lines.h"
#include "upgrade/program_search.h"

namespace upgrade {

namespace {

constexpr char kProductAlias[] = "VORTEL";

}  // namespace

std::string RecordedAliasPath(const std::vector<changes::Change>& journal,
                              const std::string& name) {
  for (auto c = journal.rbegin(); c != journal.rend(); ++c) {
    if (c->kind == changes::Kind::kDomain && c->handler == bde::kAliasHandler &&
        c->target == name && !c->value.empty())
      return c->value;
  }
  return {};
}

std::optional<EntryInstallation> InstallationFromEntry(
    SystemProbe& probe, const std::vector<changes::Change>& records_journal, std::string& why) {
  why.clear();
  const std::string dir = probe.RegisteredProgramDirectory();
  if (dir.empty()) return std::nullopt;
  if (!IsProgramDirectory(dir)) {
    why = "directorul " + dir + " din Add or Remove Programs nu are VORTEL.EXE";
    return std::nullopt;
  }
  // The entry is an administrator's, the folder may since have been replaced by a user's.
  if (const std::string refusal = probe.FolderRefusal(dir); !refusal.empty()) {
    why = os::OneLine(refusal);
    return std::nullopt;
  }
  const std::string alias_path = RecordedAliasPath(records_journal, kProductAlias);
  if (alias_path.empty()) {
    why = "jurnalul instalarii nu spune unde era aliasul VORTEL";
    return std::nullopt;
  }
  if (!os::DirectoryExists(alias_path)) {
    why = "directorul de date " + alias_path + " nu mai exista";
    return std::nullopt;
  }
  return EntryInstallation{os::WithTrailingBackslash(dir), alias_path};
}

}  // namespace upgrade
