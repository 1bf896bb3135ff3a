// The end page's request that Windows restart.
#pragma once

#include <functional>

// Asks Windows to restart; false when it refuses. The answer arrives before the session ends.
using TRestartRequest = std::function<bool()>;

// The real request: takes the shutdown right first, which Windows NT requires of any program
// that restarts it, then asks for the restart.
bool RestartWindows();
