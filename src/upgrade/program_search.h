// Finding the installed program directory: the Windows profile first, then every fixed drive.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "upgrade/system_probe.h"

namespace upgrade {

constexpr const char* kProfileSection = "Vortel";

// A directory holding the product's main program, which is larger than any stand-alone tool of
// the same name. The size comes from the directory, so a program that is running still counts.
bool IsProgramDirectory(const std::string& directory);

// "AppPath", else the directory above "DatabasePath", when the program lies there.
std::optional<std::string> ProgramDirectoryFromProfile(SystemProbe& probe);

// Roots of the fixed drives, A: to Z:.
std::vector<std::string> FixedDriveRoots(SystemProbe& probe);

// Depth first from `directory` (ending in a backslash); the first program directory found.
// Links and junctions are not followed: they may lead back up the tree.
std::optional<std::string> SearchTree(const std::string& directory);

// The profile, then the trees of the fixed drives in letter order.
std::optional<std::string> LocateProgramDirectory(SystemProbe& probe);

}  // namespace upgrade
