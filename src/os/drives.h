// Drives as a copy sees them: which one a path lies on, and how much room it has.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace os {

struct DriveSpace {
  uint64_t free = 0;     // bytes this user may still write
  uint32_t cluster = 0;  // bytes of the smallest unit a file takes
};

// The root of the drive a path lies on: "C:\" for "c:\a\b", "\\SERVER\SHARE\" for a share; empty
// for a path that names no drive.
std::string DriveRoot(const std::string& path);

// The space of the drive at `root`; nothing when the drive cannot be asked (no disk, no share).
std::optional<DriveSpace> SpaceOfDrive(const std::string& root);

}  // namespace os
