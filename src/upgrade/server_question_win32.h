// The server-upgrade question through the message dialog; the wizard driver asks it on
// reaching the upgrade copy.
#pragma once

#include "state/install_state.h"

namespace upgrade {

bool AskServerUpgrade(const TInstallState& state);

}  // namespace upgrade
