// Step 6, the last page of both roads: success, the default user, and a restart offered.
#pragma once

#include "state/install_state.h"
#include "wizard/restart_request.h"

class TForm;

TForm* CreateEndPage(TInstallState& state, TRestartRequest restart = &RestartWindows);
