// Where the database engine archive goes: nowhere when an engine is installed already (an older
// one earns a warning), else the Borland common directory under Program Files.
#pragma once

#include <optional>
#include <string>

#include "media/archive_assembly.h"

// Set once an older engine has been seen; later visits of the copy page remember it.
extern bool OldEngineFound;

namespace media {

constexpr const char* kEngineKey = "Software\\Borland\\Database Engine";
constexpr const char* kEngineInitKey = "Software\\Borland\\Database Engine\\Settings\\SYSTEM\\INIT";
constexpr const char* kWindowsKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

constexpr const char* kOldEngineWarning =
    "Am gasit o instalare mai veche de\rmotor baza de date (BDE)...\r"
    "Daca RidOZIZUZ nu functioneaza, contactati-ne.\r";
constexpr const char* kOldEngineSuffix = "Protectia aplicatiilor existente";
constexpr const char* kContinueSuffix = "PENTRU CONTINUARE";

// The machine's registry as far as the engine's place is concerned (HKEY_LOCAL_MACHINE).
class EngineRegistry {
 public:
  virtual ~EngineRegistry() = default;
  // The engine's INIT settings key exists.
  virtual bool EngineInstalled() = 0;
  // "VERSION" of that key.
  virtual std::optional<std::string> EngineVersion() = 0;
  // "DLLPATH" of the engine's own key.
  virtual std::optional<std::string> EngineDllPath() = 0;
  // "ProgramFilesDir" of the Windows key.
  virtual std::optional<std::string> ProgramFilesDir() = 0;
};

// The directory for the engine archive, or nothing when it is not to be extracted. Creates the
// Borland common directories; a failure to do so is shown and the archive is left out.
std::optional<std::string> ChooseEngineDirectory(EngineRegistry& registry, AssemblyHost& host);

}  // namespace media
