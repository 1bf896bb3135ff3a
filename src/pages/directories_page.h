// Step 3: the program and database directories, by installation type; stored in
// InstallState.ProgramDir and DataDir once they exist.
#pragma once

class TForm;

TForm* CreateDirectoriesPage();
