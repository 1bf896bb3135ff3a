// The journal of a working start: begun before the first change, kept with the installation
// when the run leaves one, and the run's own files removed at its end.
#pragma once

#include <string>

#include "state/install_state.h"

// Journals the run in the working directory, or, for a dry run, plans it into `plan_file`.
// False when the journal or the plan cannot be written: nothing may be changed then.
bool BeginRunJournal(const std::string& work_dir, const std::string& plan_file);
// Keeps the run's journal with the installation's records unless the run was undone, and removes
// the backups and the run's own files.
void FinishRunJournal(const TInstallState& state, const std::string& work_dir);
