// The entry filter of an archive operation ("*.*", "*.DLL", "VORT*", or a whole name).
#pragma once

#include <string>

namespace unzip {

// True when `name` (with its directory part, as in SUB\FILE.TXT) passes `specs`.
bool MatchesFileSpecs(const std::string& specs, const std::string& name);

}  // namespace unzip
