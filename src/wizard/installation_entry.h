// The installation as Windows lists it: the entry in Add or Remove Programs and the uninstaller
// it names, kept in the installation's records folder.
#pragma once

#include "state/install_state.h"
#include "state/product.h"

constexpr char kUninstallerName[] = "UNINSTAL.EXE";

// Copies the running program into the records folder as the uninstaller and writes the entry,
// each change journaled; an upgrade brings both up to date. False when either could not be
// written (the log says why).
bool RegisterInstallation(const TInstallState& state);
