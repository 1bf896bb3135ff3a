// How a run ends, as deployment tools read a setup program's exit code.
#pragma once

#include "state/install_state.h"

constexpr int kExitDone = 0;
constexpr int kExitBadArguments = 87;
constexpr int kExitCancelled = 1602;
constexpr int kExitFailed = 1603;
constexpr int kExitAnotherSetup = 1618;
constexpr int kExitRestartNeeded = 3010;

// A failure outweighs a person's abandoning, which outweighs a restart that is needed.
inline int ExitCodeOf(const TInstallState& state, bool abandoned) {
  if (!state.Failures.empty()) return kExitFailed;
  if (abandoned) return kExitCancelled;
  return state.RestartNeeded ? kExitRestartNeeded : kExitDone;
}
