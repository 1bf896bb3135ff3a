// A repair on this machine: the installation's records held against the registry, WIN.INI, the
// engine's aliases, the program group and the files, and what was found put back, each change
// journaled as the installation's were.
#pragma once

#include <string>
#include <vector>

#include "changes/repair_check.h"
#include "wizard/repair_kit.h"

// What the installation whose accepted journal is `journal` no longer holds as it left it;
// `program_dir` names the program group's items.
std::vector<changes::RepairItem> CheckThisMachine(const std::vector<changes::Change>& journal,
                                                  const std::string& program_dir);

struct RepairOutcome {
  // Each item put back, and each that could not be with the reason, as a person reads them.
  std::vector<std::string> repaired;
  std::vector<std::string> failures;
};

// Puts back `items` in their order: directories, values and the engine's aliases as the journal
// says, the group for `program_dir`, files from `kit` (found there already). A place reached
// through a link is refused, never written.
RepairOutcome PutBack(const std::vector<changes::RepairItem>& items, TRepairKit* kit,
                      const std::string& program_dir);
