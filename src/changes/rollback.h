// Undoing changes in reverse order: after a failed run, or to remove an installation.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "changes/change.h"
#include "changes/files.h"
#include "changes/journal_bounds.h"

namespace changes {

// Undoes one change of its kind; returns why it could not, empty when it was undone.
using UndoHandler = std::function<std::string(const Change& change)>;
// The layers that make domain changes (engine aliases, program groups) and the system's own
// parts (profile, registry) say how theirs are undone.
// `needs_files`: the undo runs the installation's own files, so a removal undoes such changes
// before any file goes.
void RegisterUndo(Kind kind, const std::string& handler, UndoHandler undo,
                  bool needs_files = false);

// While Undo runs, for its handlers: the SHA-256 the journal it undoes last recorded for the file
// `path` (a later upgrade's, say), or nothing.
std::optional<std::string> LastRecordedSha256(const std::string& path);

struct UndoReport {
  int undone = 0;
  // What could not be put back, each with the reason: a person must be told.
  std::vector<std::string> failures;
  // What was left as it is on purpose (a change that cannot be undone, the user's data).
  std::vector<std::string> kept;
  // Files in use, removed when Windows restarts.
  std::vector<std::string> at_restart;
  // What the installation made and was already gone when it was to be removed.
  std::vector<std::string> gone;
  // Files changed and folders added to since the installation, which stay (also in `kept`).
  std::vector<std::string> changed;
  // What was left as it is because it is not the installation's: journal lines outside the
  // installation, and paths that pass through a link. Each with the reason.
  std::vector<std::string> refused;
};

struct UndoOptions {
  // Changes to leave as they are (the user's data on removal).
  std::function<bool(const Change&)> keep;
  // Asked for each file that cannot be removed because it is in use; left when not given.
  std::function<LockedFile(const std::string& path)> locked;
  // Removing an installation rather than undoing a run: of the changes to one file only the
  // last counts (an upgrade's, after the installation's), the file goes when it is still as that
  // change left it and stays, without a complaint, when someone changed it since; a directory
  // that still holds files (the user's kept data) stays too.
  bool removal = false;
  // What the journal may name; lines outside are refused, not undone. Not checked when absent.
  const JournalBounds* bounds = nullptr;
  // Undoing a run that was killed: its last recorded change may never have been made (the file
  // or CONFIG.SYS still holds what its copy holds), and a directory it made may hold files whose
  // records were still to be written; they go with it.
  bool interrupted = false;
};

// Undoes `changes` from the last to the first; a failing step is named and the others are still
// undone. Never removes a file it did not make, nor puts back one that was changed after the run
// wrote it, nor follows a link: a link where a directory was made goes itself, and nothing is
// reached through one.
UndoReport Undo(const std::vector<Change>& changes, const UndoOptions& options = {});

}  // namespace changes
