// What locating an installation asks of the system: drive types, the Windows profile, the
// product's own entry and whom a folder belongs to.
#pragma once

#include <string>

#include "os/trust_boundary.h"

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
  // The program directory the product's entry in Add or Remove Programs names; empty when none.
  virtual std::string RegisteredProgramDirectory() { return {}; }
  // Why a folder found by searching may not be trusted without a person; empty when it may.
  virtual std::string FolderRefusal(const std::string& dir) {
    return trust::ExistingFolderRefusal(dir);
  }
};

}  // namespace upgrade
