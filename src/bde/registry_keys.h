// Where the database engine and Windows keep what the setup reads and writes, all under
// HKEY_LOCAL_MACHINE.
#pragma once

namespace bde {

// Where the engine's keys live: its registration template writes below it.
constexpr const char* kBorlandKey = "Software\\Borland";
// The engine's own key: its library path and the count of products that use it.
constexpr const char* kEngineKey = "Software\\Borland\\Database Engine";
// Present once an engine has its settings; "VERSION" says which.
constexpr const char* kEngineInitKey = "Software\\Borland\\Database Engine\\Settings\\SYSTEM\\INIT";
// Present once the engine is registered on the machine.
constexpr const char* kEngineRegisteredKey = "Software\\Borland\\BLW32";
// "ProgramFilesDir" of Windows.
constexpr const char* kWindowsKey = "Software\\Microsoft\\Windows\\CurrentVersion";

}  // namespace bde
