// Where the installed database lives, from the directory of the product's database alias.
#pragma once

#include <string>

#include "upgrade/system_probe.h"

namespace upgrade {

// The alias points at the DATA directory of the installation's data: the root is above it.
std::string DataRootFromAlias(std::string alias_path);

// The root whose drive type stands for the path: "\\server\share\" for a network path (the
// path itself, with a backslash, when it names no more than a share), else the first three
// characters.
std::string DriveRootOf(const std::string& path);

// A database on another machine makes this computer a client.
bool IsRemoteLocation(const std::string& path, SystemProbe& probe);

}  // namespace upgrade
