// The second configuration task: the last user in the profile, CONFIG.SYS, and the product's
// two registration programs.
#pragma once

#include <string>

#include "config/config_sys_update.h"
#include "state/install_state.h"

// Records the default user, sets FILES and FILESHIGH in C:\CONFIG.SYS and runs HHUPD.EXE and
// TREGSVR.EXE from the program directory. Reports its own failures, remembers them in the state
// with the restart a changed CONFIG.SYS needs, and always runs to its end.
void DoConfigConfigSys(TInstallState& state);

namespace config {

// The CONFIG.SYS step of the task for a given file, with the task's log note and error dialog
// on failure.
ConfigSysOutcome UpdateConfigSysReported(const std::string& path);

}  // namespace config
