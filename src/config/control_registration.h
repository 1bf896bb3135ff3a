// The product's control (CFX32.OCX), registered by its registration program (TREGSVR.EXE) and
// unregistered by the same program when the run is undone or the installation removed.
#pragma once

#include <string>

namespace config {

constexpr char kControlHandler[] = "control";
constexpr char kControlName[] = "CFX32.OCX";

// Journals the registration, with the hashes of the two files as they are now, and runs it.
void RegisterControl(const std::string& program_dir);

// Undoing it runs the registration program with -U from copies in a folder of the run's own,
// made only of files that hash as the journal says: the program directory may be one that users
// can write to, and the undo runs elevated. The journal line is trusted only from the records
// folder.
void RegisterControlUndo();

}  // namespace config
