// The registry side of the database engine: register it when it is new on the machine, or
// count one more product that uses it.
#pragma once

#include <string>

namespace bde {

// Keys under HKEY_LOCAL_MACHINE.
struct EngineRegistryKeys {
  std::string registered = "Software\\Borland\\BLW32";  // present once the engine is registered
  std::string engine = "Software\\Borland\\Database Engine";
  std::string windows = "Software\\Microsoft\\Windows\\CurrentVersion";
};

// Registered engine: "UseCount" one higher. New engine: the template in the engine's common
// directory gets the program-files directory and is imported with "regedit /s", minimised.
// Throws std::runtime_error when the registry or the template refuses.
void RegisterEngineOrCountUser(const EngineRegistryKeys& keys = {});

}  // namespace bde
