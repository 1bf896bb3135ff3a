// What the wizard has decided so far. One instance, owned by the start-up and passed by
// reference to the driver, the controllers and the pages; only the driver changes the step.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/catalogue.h"

enum TInstallType : uint8_t {
  itNone = 0,
  itLocal = 1,
  itServer = 2,
  itClient = 3,
};

struct TInstallState {
  uint8_t CurrentStep = 0;
  TInstallType InstallType = itNone;
  bool UpgradeMode = false;
  std::string ProgramDirOffered = "C:\\WinVort";
  std::string ProgramDir = "C:\\WinVort";
  std::string DataDirOffered = "C:\\WinVort";
  std::string DataDir = "C:\\WinVort";
  std::string SourceDir;
  int32_t DiskCount = 1;
  // An older database engine was seen; later visits of the copy page remember it.
  bool OldEngineFound = false;
  // What failed and left the product incomplete, each as the person was told it.
  std::vector<std::string> Failures;
  // Windows must restart before the product works (CONFIG.SYS changed).
  bool RestartNeeded = false;
  // The run's changes were undone after a failure.
  bool RolledBack = false;
  // A Windows Installer package lists the product: the installer's own entry stays hidden.
  bool EntryHidden = false;
  // The folders the installer makes keep the rights they inherit (/PERMISSIONS=INHERIT).
  bool InheritPermissions = false;
  // An administrator lets media without the publisher's signature (older releases) install.
  bool AllowUnsigned = false;
  static constexpr std::array<const char*, 4> AliasNames = {"VORTELALIAS", "FIRMAALIAS",
                                                            "LUNAALIAS", "VORTEL"};
  static constexpr std::array<const char*, 4> AliasPaths = {"NEW\\DATA", "NEW\\FIRMA", "NEW\\LUNA",
                                                            "DATA"};
};

// The media's setup configuration as the working copy of the program keeps it.
std::string WorkConfigPath(const std::string& program_dir);
// Reads [General] NrDiscuri of "instvort.cfg" in a program directory (default 6, never below 0).
int32_t ReadDiskCount(const std::string& program_dir);
