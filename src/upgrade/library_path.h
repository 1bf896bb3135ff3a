// Where the upgrade library is loaded from: beside the running program, nowhere else.
#pragma once

#include <string>

namespace upgrade {

constexpr char kUpgradeLibraryName[] = "UPGRADE.DLL";

// The program's directory (with or without its trailing backslash) and the library's name.
std::string UpgradeLibraryPath(const std::string& program_dir);

}  // namespace upgrade
