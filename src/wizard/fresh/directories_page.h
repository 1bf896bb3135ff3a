// Step 3: the program and database directories, by installation type; stored in the state's
// ProgramDir and DataDir once they exist.
#pragma once

#include "state/install_state.h"
#include "wizard/fresh/directories.h"

class TForm;

// `room` is asked before any directory is made; a program directory under `program_files`
// keeps the rights it inherits there.
TForm* CreateDirectoriesPage(TInstallState& state, RoomCheck room = {},
                             std::string program_files = {});
