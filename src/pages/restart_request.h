// The end page's request that Windows restart, behind a seam that tests replace.
#pragma once

// Asks Windows to restart; false when it refuses. The answer arrives before the session ends.
using TRestartRequest = bool (*)();
extern TRestartRequest RequestRestart;

// The real request: takes the shutdown right first, which Windows NT requires of any program
// that restarts it, then asks for the restart.
bool RestartWindows();
