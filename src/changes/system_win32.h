// The system's own places the run changes on Windows: the profile (WIN.INI), the registry under
// HKEY_LOCAL_MACHINE, and the programs it runs. Each change journaled first, undone by value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace changes {

// Sets a value of WIN.INI (`file` empty) or of a private profile file.
bool SetProfileString(const std::string& section, const std::string& key, const std::string& value,
                      const std::string& file = {});
// Sets a text value under HKEY_LOCAL_MACHINE, making the key and its missing parents.
bool SetRegistryString(const std::string& key, const std::string& name, const std::string& value);
// Sets a number value under HKEY_LOCAL_MACHINE, making the key and its missing parents.
bool SetRegistryNumber(const std::string& key, const std::string& name, uint32_t value);
// Removes a key and what it holds, without a journal: for an entry that names no installation.
void RemoveRegistryTree(const std::string& key);
// Imports a registration file with regedit, run in the system folder: every key and value it
// names is journaled with what it held before, so that the import can be undone. `description`
// is the person's line.
bool ImportRegistryFile(const std::string& path, const std::string& text,
                        const std::string& command_line, const std::string& description);
// Runs a program, named by its full path, in the system folder and waits; its exit code, or -1.
// A dry run only lists it.
// How a program's run is undone, when it can be: by the handler named, with what it keeps.
struct UndoneBy {
  std::string handler;
  std::string target;
  std::string value;
};
int32_t RunProgram(const std::string& command_line, uint16_t show_mode,
                   const UndoneBy& undone_by = {});

// What a repair reads and puts back, by a journal line's target: a registry value ("KEY|NAME", as
// "TYPE:HEX"), a registry key, a profile value ("FILE|SECTION|KEY"). Each put-back journaled.
std::optional<std::string> ReadRegistryValue(const std::string& target);
bool RegistryKeyExists(const std::string& key);
std::optional<std::string> ReadProfileValue(const std::string& target);
bool PutBackRegistryValue(const std::string& target, const std::string& raw);
bool PutBackRegistryKey(const std::string& key);
bool PutBackProfileValue(const std::string& target, const std::string& value);

// Makes the profile and registry changes undoable; called once at start-up.
void RegisterSystemUndo();

}  // namespace changes
