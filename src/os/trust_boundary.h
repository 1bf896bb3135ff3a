// Who may write what. The installer runs as an administrator or as SYSTEM while ordinary users
// share the machine: it runs, loads, follows and trusts only what they cannot change (its own
// private working folder, the installation's records folder, the system folder, the engine's
// registered folder). Everything else (the program and data folders, the temporary folder, the
// media, a user's answer file) is input: checked, never run from, never followed through a link.
// Every such decision is made here, so that the boundary reads whole.
#pragma once

#include <string>

namespace trust {

// --- Security descriptors of what the installer makes (SDDL). ---------------------------

// --- Programs and libraries: started and loaded by full path from trusted folders only. ---

// --- Folders and records: what the installation's journal may name; links never followed. --

}  // namespace trust
