// What an installation's journal may name. The uninstaller runs elevated and does what the
// journal says, so a line is undone only when it names what the installation itself made or
// was given: its directories, the engine's, the product's registry keys, its WIN.INI section,
// CONFIG.SYS, its aliases and its program group, with copies of replaced files from its records
// folder only. Any other line is refused and named, never undone.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "changes/change.h"

namespace changes {

// A kNote's handler: the run writes into the directory it names, which was there before it (a
// program directory made beforehand, the installation an upgrade found).
constexpr char kPlaceHandler[] = "place";

struct JournalBounds {
  // The journal lies where only administrators write: its own directory lines and places say
  // what belongs to the installation. A journal from anywhere else (an older release kept it in
  // the program directory) is believed for nothing: only `directories` count, and the copies it
  // names are dropped, since no release kept a copy after its run.
  bool trusted = true;
  // Directories that belong to the installation whatever the journal says (the engine's, and
  // the installation's own when the journal is not trusted).
  std::vector<std::string> directories;
  // Where copies of replaced files may lie.
  std::string backups;
  // Keys under HKEY_LOCAL_MACHINE whose values and subkeys the installation writes.
  std::vector<std::string> registry_keys;
  // WIN.INI sections the installation writes.
  std::vector<std::string> profile_sections;
  // System files the installation rewrites whole (CONFIG.SYS).
  std::vector<std::string> system_files;
  // Domain changes it makes: handler and target ("alias", "VORTEL").
  std::vector<std::pair<std::string, std::string>> domain;
};

struct CheckedJournal {
  // The lines to undo, in their order.
  std::vector<Change> accepted;
  // Each refused line as a person reads it, with the reason.
  std::vector<std::string> refused;
};

CheckedJournal CheckJournal(const std::vector<Change>& journal, const JournalBounds& bounds);

// Journals that the run writes into `directory`, which was there before it.
bool RecordPlace(const std::string& directory);

}  // namespace changes
