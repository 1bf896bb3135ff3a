// The registry side of the database engine: register it when it is new on the machine, or
// count one more product that uses it.
#pragma once

#include <string>

#include "bde/registry_keys.h"

namespace bde {

// Keys under HKEY_LOCAL_MACHINE.
struct EngineRegistryKeys {
  std::string registered = kEngineRegisteredKey;
  std::string engine = kEngineKey;
  std::string windows = kWindowsKey;
};

// Registered engine: "UseCount" one higher. New engine: the template in the engine's common
// directory gets the program-files directory and is imported with the Windows folder's
// "regedit /s", minimised, from the system folder.
// Throws std::runtime_error when the registry or the template refuses.
void RegisterEngineOrCountUser(const EngineRegistryKeys& keys = {});
// Imports again the registration text an installation imported from `path`, as its journal keeps
// it: the engine's keys someone removed come back. Throws as above.
void ImportRegistrationAgain(const std::string& path, const std::string& text,
                             const EngineRegistryKeys& keys = {});

}  // namespace bde
