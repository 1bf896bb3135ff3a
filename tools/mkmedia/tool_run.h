// The programs mkmedia runs: wixl builds the package, osslsigncode signs.
#pragma once

#include <string>
#include <vector>

namespace mkmedia {

bool OnPath(const std::string& program);

// Runs `args` (the program first, found on PATH) and waits; true when it ended with 0.
bool RunTool(const std::vector<std::string>& args);

}  // namespace mkmedia
