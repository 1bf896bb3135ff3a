// The installation as Windows lists it: the entry in Add or Remove Programs and the uninstaller
// it names, kept in the program directory.
#pragma once

#include "state/install_state.h"

constexpr char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\RidOZIZUZ";
constexpr char kUninstallerName[] = "UNINSTAL.EXE";

// Copies the running program into the program directory as its uninstaller and writes the
// entry, each change journaled; an upgrade brings both up to date. False when either could not
// be written.
bool RegisterInstallation(const TInstallState& state);
