// Run-time loading of the database engine's library (IDAPI32.DLL): its initialisation and
// shutdown, and the lazy binding of its other entry points by ordinal.
#pragma once

#include <cstdint>
#include <string>

namespace bde {

using DBIResult = uint16_t;
constexpr uint32_t kEngineInterfaceVersion = 500;

// Loads the engine's library by its full path in the first folder of the engine's "DLLPATH"
// (HKEY_LOCAL_MACHINE), and from nowhere else; the open-file error box stays off. Returns the
// module handle or null (the system's last error then tells why).
void* LoadEngineLibrary();

// DbiInitFn through a library this wrapper loads and keeps counted.
DBIResult EngineInit(uint32_t version, void* environment);
// DbiExit; unloads the library when the last user leaves.
DBIResult EngineExit();

// The engine's entry points that are bound by ordinal on their first call.
struct EngineEntry {
  uint16_t slot;
  uint16_t ordinal;
};
constexpr uint16_t kEngineEntrySlots = 718;
constexpr EngineEntry kOpenDatabase{0, 4};
constexpr EngineEntry kCloseDatabase{1, 5};
constexpr EngineEntry kCfgSave{2, 400};
constexpr EngineEntry kAddAlias{3, 1207};

// The entry's address, binding it first if need be; null with `failure` set when the library
// or the ordinal is missing.
void* BoundEngineEntry(EngineEntry entry, DBIResult* failure);
// An entry point the library exports by name alone.
void* EngineEntryByName(const char* name, DBIResult* failure);

}  // namespace bde
