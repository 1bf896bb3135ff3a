// Finding the installed program directory: the product's own entry first, then the Windows
// profile, then every fixed drive.
#pragma once

#include <functional>
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

// Depth first from `directory` (ending in a backslash); the first program directory found that
// `accept` takes (any, without it). Links and junctions are not followed: they may lead back up
// the tree.
using FolderFilter = std::function<bool(const std::string& directory)>;
std::optional<std::string> SearchTree(const std::string& directory,
                                      const FolderFilter& accept = {});

// The product's own entry, then the profile, then the trees of the fixed drives in letter order.
// With `trusted_only`, when no person confirms what was found, a directory found other than
// through the entry counts only when the probe has no refusal for it (anyone may make a folder
// with a large VORTEL.EXE); one refused is named in the log and the search goes on.
std::optional<std::string> LocateProgramDirectory(SystemProbe& probe, bool trusted_only = false);

}  // namespace upgrade
