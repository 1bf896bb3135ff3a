// Undoing changes in reverse order: after a failed run, or to remove an installation.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "changes/change.h"

namespace changes {

// Undoes one change of its kind; returns why it could not, empty when it was undone.
using UndoHandler = std::function<std::string(const Change& change)>;
// The layers that make domain changes (engine aliases, program groups) and the system's own
// parts (profile, registry) say how theirs are undone.
void RegisterUndo(Kind kind, const std::string& handler, UndoHandler undo);

struct UndoReport {
  int undone = 0;
  // What could not be put back, each with the reason: a person must be told.
  std::vector<std::string> failures;
  // What was left as it is on purpose (a change that cannot be undone, the user's data).
  std::vector<std::string> kept;
};

// Undoes `changes` from the last to the first. `keep` names changes to leave (the user's data on
// removal); a failing step is named and the others are still undone. Never removes a file it did
// not make, nor puts back one that was changed after the run wrote it.
UndoReport Undo(const std::vector<Change>& changes,
                const std::function<bool(const Change&)>& keep = nullptr);

}  // namespace changes
