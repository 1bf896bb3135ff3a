// Undoing a run that a kill or a power cut stopped: the next start of the installer, in any
// mode, and the next start of Windows (through the RunOnce entry the run wrote) put the machine
// back as it was before that run, from the records it left, before anything else is done.
#pragma once

#include "app/command_line.h"

// Undoes the unfinished run the records folder holds, if any: a person is told what was undone
// and when that run began, an unattended run logs it. True when nothing is left that could not
// be undone.
bool RecoverUnfinishedRun(const TSetupOptions& options);

// /RECOVER: only the recovery. Started from the records folder (by Windows) the program hands
// over to a copy in a run's folder at once, so that the copy can remove it; started elsewhere it
// waits for the copy and ends with its code: 0, or 1603 when something could not be undone.
int RunRecovery(const TSetupOptions& options);
