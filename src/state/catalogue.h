// The product's archives on the media, where each goes, and which an installation takes.
#pragma once

#include <array>
#include <cstdint>

// One archive of the product's catalogue.
struct TCompRecord {
  const char* Name;
  const char* Description;
  uint8_t Destination;  // 0 or 1 data directory, 2 program directory, 3 database engine directory
};

constexpr uint8_t kDestinationData = 0;
constexpr uint8_t kDestinationDataNew = 1;
constexpr uint8_t kDestinationProgram = 2;
constexpr uint8_t kDestinationEngine = 3;

constexpr int kCatalogueSize = 7;
constexpr std::array<TCompRecord, kCatalogueSize> kCatalogue = {{
    {"EXE", "Fisiere executabile", kDestinationProgram},
    {"ROVANEL", "Rovanel VORTEL", kDestinationProgram},
    {"DBDAT", "VORTEL: baza de date si exemple", kDestinationData},
    {"DBNEW", "VORTEL: baza de date martor", kDestinationDataNew},
    {"BDE32", "Borland Database Engine", kDestinationEngine},
    {"HELP", "Help Ridozizuz", kDestinationProgram},
    {"TESKARD", "Teskard VORTEL", kDestinationProgram},
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
