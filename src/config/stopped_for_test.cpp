#include "config/stopped_for_test.h"

#include "log/debug_log.h"
#include "state/test_stop.h"

namespace config {

bool StoppedForTest(TInstallState& state, const char* point) {
  if (TestStop(point)) return false;
  DebugNote("Eroare: " + TestStopText(point));
  state.Failures.push_back(TestStopText(point));
  return true;
}

}  // namespace config
