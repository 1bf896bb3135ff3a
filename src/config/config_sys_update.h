// Setting FILES and FILESHIGH in a CONFIG.SYS file on disk.
#pragma once

#include <string>

namespace config {

constexpr char kConfigSysPath[] = "C:\\CONFIG.SYS";
constexpr char kConfigSysFailure[] = "Eroare la actualizarea config.sys!";

enum class ConfigSysOutcome {
  kUpdated,
  kUnchanged,   // the file holds the settings already and was not written
  kUnreadable,  // the file exists but could not be read to its end; left as it was
  kUnwritable,  // the new file could not be put in place; the old one is left as it was
};

// Rewrites the file (or creates it with "FILES=255"). The new text replaces the old file in one
// step and the file keeps its attributes (read-only, hidden, system) whatever the outcome. A file
// whose text would not change is left untouched.
ConfigSysOutcome UpdateConfigSys(const std::string& path);

}  // namespace config
