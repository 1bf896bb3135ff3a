// The report procedure given to the upgrade library: it hands over its texts in movable global
// memory, which stays the library's.
#pragma once

#include <windows.h>

#include "upgrade/upgrade_library_port.h"

namespace upgrade {

// Where the procedure sends the texts; none drops them.
void SetLibraryReportListener(UpgradeReportListener* listener);

// The procedure registered with the library.
void __stdcall LibraryReportProc(HGLOBAL block);

}  // namespace upgrade
