// An installation whose database alias another program removed, found through the product's own
// entry in Add or Remove Programs and the journal in its records folder, both of which only
// administrators write.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "changes/change.h"
#include "upgrade/system_probe.h"

namespace upgrade {

// The directory the journal last gave the alias `name`; empty when it names none.
std::string RecordedAliasPath(const std::vector<changes::Change>& journal, const std::string& name);

struct EntryInstallation {
  std::string program_dir;
  // Where the alias "VORTEL" is put back.
  std::string alias_path;
};

// The installation the entry names: its folder holds the program and has no refusal from the
// probe, and `records_journal` says where its alias pointed, to a directory that is still there.
// Nothing otherwise; `why` then says what was missing, empty when there is no entry at all.
std::optional<EntryInstallation> InstallationFromEntry(
    SystemProbe& probe, const std::vector<changes::Change>& records_journal, std::string& why);

}  // namespace upgrade
