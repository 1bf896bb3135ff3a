// The one process-wide record of the wizard, read and written directly by the pages and the driver.
#pragma once

#include <array>
#include <cstdint>
#include <string>

enum TInstallType : uint8_t {
  itNone = 0,
  itLocal = 1,
  itServer = 2,
  itClient = 3,
};

// One archive of the product's catalogue.
struct TCompRecord {
  const char* Name;
  const char* Description;
  uint8_t Destination;  // 0 or 1 data directory, 2 program directory, 3 database engine directory
};

constexpr int kCatalogueSize = 7;
constexpr std::array<TCompRecord, kCatalogueSize> kCatalogue = {{
    {"EXE", "Fisiere executabile", 2},
    {"ROVANEL", "Rovanel VORTEL", 2},
    {"DBDAT", "VORTEL: baza de date si exemple", 0},
    {"DBNEW", "VORTEL: baza de date martor", 1},
    {"BDE32", "Borland Database Engine", 3},
    {"HELP", "Help Ridozizuz", 2},
    {"TESKARD", "Teskard VORTEL", 2},
}};

// Which catalogue archives an installation type takes, indexed [type - 1][archive].
using TSelection = std::array<std::array<bool, kCatalogueSize>, 3>;
constexpr TSelection kFreshSelection = {{
    {true, true, true, true, true, true, true},    // LOCAL
    {true, true, true, true, true, true, true},    // SERVER
    {true, true, false, false, true, true, true},  // CLIENT
}};
constexpr TSelection kUpgradeSelection = {{
    {true, true, true, true, false, true, true},    // LOCAL
    {true, true, true, true, false, true, true},    // SERVER
    {true, true, false, false, false, true, true},  // CLIENT
}};

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
  static constexpr std::array<const char*, 4> AliasNames = {"VORTELALIAS", "FIRMAALIAS",
                                                            "LUNAALIAS", "VORTEL"};
  static constexpr std::array<const char*, 4> AliasPaths = {"NEW\\DATA", "NEW\\FIRMA", "NEW\\LUNA",
                                                            "DATA"};
};

extern TInstallState InstallState;

// Reads [General] NrDiscuri of "instvort.cfg" beside the program into DiskCount (default 6).
void ReadSetupConfig();
// The same from a given program directory; the reading behind ReadSetupConfig.
int32_t ReadDiskCount(const std::string& program_dir);
