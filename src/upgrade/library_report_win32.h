// The report procedure given to the upgrade library: it hands over its texts in movable global
// memory, which stays the library's.
#pragma once

#include <windows.h>

#include <string>

#include "upgrade/upgrade_library_port.h"

namespace upgrade {

// The text of a block: locked, copied up to its zero (or the block's end), unlocked, not freed.
std::string GlobalText(HGLOBAL block);

// Where the procedure sends the texts; none drops them.
void SetLibraryReportListener(UpgradeReportListener* listener);

// The procedure registered with the library.
void __stdcall LibraryReportProc(HGLOBAL block);

}  // namespace upgrade
