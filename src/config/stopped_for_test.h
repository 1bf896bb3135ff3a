// The configuration steps' answer to a test stop (state/test_stop.h).
#pragma once

#include "state/install_state.h"

namespace config {

// True when the tests stop the run at `point`: the step failed, the log and the run's failures
// say so, and the step does nothing more.
bool StoppedForTest(TInstallState& state, const char* point);

}  // namespace config
