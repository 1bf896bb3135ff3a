// The second configuration task: the last user in the profile, CONFIG.SYS, and the product's
// two registration programs.
#pragma once

#include <string>

#include "state/install_state.h"

// Records the default user, sets FILES and FILESHIGH in C:\CONFIG.SYS and runs HHUPD.EXE and
// TREGSVR.EXE from the program directory. Reports its own failures and always runs to its end.
void DoConfigConfigSys(const TInstallState& state);

namespace config {

// The CONFIG.SYS step of the task for a given file, with the task's log note and error dialog
// on failure. True when the file was updated.
bool UpdateConfigSysReported(const std::string& path);

}  // namespace config
