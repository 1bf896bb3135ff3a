// Step 3: the program and database directories, by installation type; stored in the state's
// ProgramDir and DataDir once they exist.
#pragma once

#include "state/install_state.h"

class TForm;

TForm* CreateDirectoriesPage(TInstallState& state);
