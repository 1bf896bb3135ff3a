// Step 3: the program and database directories, by installation type; stored in the state's
// ProgramDir and DataDir once they exist.
#pragma once

#include "state/install_state.h"
#include "wizard/fresh/directories.h"

class TForm;

// `room` is asked before any directory is made.
TForm* CreateDirectoriesPage(TInstallState& state, RoomCheck room = {});
