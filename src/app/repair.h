// Repairing and verifying an installation. /VERIFY holds the installation's records (the journal
// in its records folder) against the machine and names what is missing or changed; /REPAIR then
// puts back exactly that, the files from the kit it was started from (or the kit /MEDIA= names),
// checked as an installation checks a kit. The user's data is never looked at.
#pragma once

#include <string>

#include "app/command_line.h"

// Returns the exit code. /VERIFY: 0 whole, 1 something to repair (listed in the log). /REPAIR:
// 0 nothing to do or all put back, 3010 a file in use is replaced when Windows restarts, 1602
// the person said No, 1603 a file the kit does not hold as installed, or something that could
// not be put back (named), 1618 another setup runs.
// `working_copy`: started as the media start's working copy, whose run folder the media start
// removes when it waits.
int RunRepair(const TSetupOptions& options, const std::string& kit_dir, bool working_copy);
