// Drive types and the Windows profile as the system answers them.
#pragma once

#include "upgrade/system_probe.h"

namespace upgrade {

// "InstallLocation" of the product's entry in Add or Remove Programs; empty when none.
std::string RegisteredProgramDirectory();

class SystemProbeWin32 : public SystemProbe {
 public:
  // Tests name a private profile file in place of WIN.INI.
  explicit SystemProbeWin32(std::string profile_file = std::string())
      : profile_file_(std::move(profile_file)) {}

  DriveKind DriveType(const std::string& root) override;
  std::string ReadProfileString(const std::string& section, const std::string& key) override;
  std::string RegisteredProgramDirectory() override;

 private:
  std::string profile_file_;
};

}  // namespace upgrade
