// Where the database engine archive goes: nowhere when an engine is installed already (an older
// one earns a warning), else the Borland common directory under Program Files.
#pragma once

#include <optional>
#include <string>

#include "bde/registry_keys.h"

namespace bde {

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

struct EngineDirectoryChoice {
  // Nothing: the engine archive is left out.
  std::optional<std::string> directory;
  // An older engine is installed: kOldEngineWarning is to be shown under kOldEngineSuffix.
  bool warn_old_engine = false;
  // A failure to show; the archive is left out then.
  std::string error;
};

// The directory for the engine archive. Creates the Borland common directories. An older engine
// once seen stays in `old_engine_found`, so that later visits of the copy remember it.
EngineDirectoryChoice ChooseEngineDirectory(EngineRegistry& registry, bool& old_engine_found);
// Program Files as the registry's view names it (the 32-bit one for a 32-bit program on a 64-bit
// Windows), as text without a trailing backslash; nothing when it names none.
std::optional<std::string> ProgramFilesDirectory(EngineRegistry& registry);

// Where the choice would put the engine, without making or warning of anything: the space check
// asks before the first byte is written.
std::optional<std::string> PlannedEngineDirectory(EngineRegistry& registry, bool old_engine_found);

}  // namespace bde
