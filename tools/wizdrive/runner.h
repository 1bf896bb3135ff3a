// Carries out a script against the windows of other programs.
#pragma once

#include <ostream>
#include <string>

#include "script.h"

namespace wizdrive {

struct RunOptions {
  std::string shots_dir;   // where "shot" saves its pictures; empty: shots refused
  std::string handshake;   // the file "disk" creates and waits to see removed
  int timeout_ms = 30000;  // for each action, until "timeout" changes it
};

// Runs every action in order; stops at the first that fails, saying which line and why.
// Returns 0 when all succeeded, 1 otherwise.
int RunScript(const Script& script, const RunOptions& options, std::ostream& out,
              std::ostream& err);

}  // namespace wizdrive
