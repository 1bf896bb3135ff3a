// Removing an installation: the installer, kept in the program directory as its uninstaller and
// started with /UNINSTALL, undoes what the installation's journal recorded, keeping the user's
// data unless /REMOVEDATA says otherwise.
//
// A running program cannot remove its own file on Windows, so the uninstaller copies itself into
// the run's own folder and the copy does the work; the first process waits for the copy and ends
// with its exit code, as a deployment tool expects. A last copy then removes the uninstaller
// itself once the first process has ended.
#pragma once

#include "app/command_line.h"

// Returns the exit code: 0 removed, 3010 some files go when Windows restarts, 1602 the person
// said No, 1603 something could not be removed (named in the log and the message), 1618 another
// setup runs.
int RunUninstall(const TSetupOptions& options);
