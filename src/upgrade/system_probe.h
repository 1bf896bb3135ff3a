// What locating an installation asks of the system: drive types and the Windows profile.
#pragma once

#include <string>

namespace upgrade {

// The answers of GetDriveTypeA.
enum class DriveKind {
  kUnknown = 0,
  kNoRoot = 1,
  kRemovable = 2,
  kFixed = 3,
  kRemote = 4,
  kCdRom = 5,
  kRamDisk = 6,
};

class SystemProbe {
 public:
  virtual ~SystemProbe() = default;
  virtual DriveKind DriveType(const std::string& root) = 0;
  // A value of the Windows profile; empty when it is missing.
  virtual std::string ReadProfileString(const std::string& section, const std::string& key) = 0;
};

}  // namespace upgrade
