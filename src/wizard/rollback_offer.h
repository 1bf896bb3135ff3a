// Undoing a failed run: offered to the person when a step failed and left the product unusable,
// done at once in the unattended modes.
#pragma once

#include "changes/rollback.h"
#include "state/install_state.h"

// Asks whether the installation is to be undone; on Yes undoes it, says what could not be put
// back, and returns true (the wizard then ends).
bool OfferRollback(TInstallState& state);

// What an undo did and could not do, for the log.
void LogUndoReport(const changes::UndoReport& report);

// Undoes the run's changes from the last to the first; what could not be put back goes to the
// log, and unless `quiet` to a message as well. False when something could not be put back.
bool RollBackRun(TInstallState& state, bool quiet);
