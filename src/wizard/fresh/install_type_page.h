// Step 0: the installation type (LOCAL, SERVER or CLIENT), stored in the state's InstallType.
#pragma once

#include "state/install_state.h"

class TForm;

TForm* CreateInstallTypePage(TInstallState& state);
