// The journal of a working start: begun before the first change in the installation's records
// folder, where a run killed at any instant is found and undone, and handed to the
// installation's journal when the run leaves one.
#pragma once

#include <string>

#include "state/install_state.h"

// Journals the run in the records folder, or, for a dry run, plans it into `plan_file` with its
// scratch files in the working directory. Why nothing may be changed, or nothing.
std::string BeginRunJournal(const std::string& work_dir, const std::string& plan_file);
// Ends the run's records: its journal goes to the installation's unless the run was undone, the
// copies of what it replaced go, and nothing is left to undo at the next start. Done once; a
// restart of Windows asked for by the run comes after it.
void FinishRunJournal(const TInstallState& state, const std::string& work_dir);
