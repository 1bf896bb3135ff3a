#include "bde/engine.h"

#include <windows.h>

#include <array>
#include <cstring>

#include "bde/alias_list.h"
#include "bde/engine_loader.h"
#include "bde/registry_keys.h"
#include "changes/files.h"
#include "changes/journal.h"
#include "changes/rollback.h"
#include "os/ansi_code_page.h"
#include "os/os.h"

namespace bde {

namespace {

bool engine_open = false;

// The engine's own configuration file, where it keeps the aliases: the file it will make on its
// first save belongs to the engine, and goes with it.
void NoteConfigurationFile() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kEngineKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return;
  }
  char path[MAX_PATH] = "";
  DWORD size = sizeof path - 1, type = 0;
  const bool found = RegQueryValueExA(key, "CONFIGFILE01", nullptr, &type,
                                      reinterpret_cast<BYTE*>(path), &size) == ERROR_SUCCESS &&
                     type == REG_SZ;
  RegCloseKey(key);
  const std::string file = os::FromAnsiCodePage(path);
  if (!found || os::FileExists(file)) return;
  const changes::Scope scope(changes::kScopeEngine);
  changes::NoteTemporaryFile(file);
}

changes::Change AliasChange(const std::string& name, const std::string& path) {
  changes::Change change;
  change.kind = changes::Kind::kDomain;
  change.handler = kAliasHandler;
  change.description = "add alias " + name + " PARADOX " + path;
  change.target = name;
  change.value = path;
  return change;
}

// The engine's answer for an alias it does not know.
constexpr DBIResult kUnknownDatabase = 0x2906;

constexpr uint32_t kOpenReadOnly = 1;
constexpr uint32_t kShareShared = 0;
constexpr int32_t kTrue = -1;  // all bits set
constexpr int32_t kFalse = 0;

using OpenDatabaseFn = DBIResult(WINAPI*)(const char* name, const char* type, uint32_t open_mode,
                                          uint32_t share_mode, const char* password,
                                          uint16_t optional_fields, void* field_descriptions,
                                          void* optional_parameters, void** database);
using CloseDatabaseFn = DBIResult(WINAPI*)(void** database);
using AddAliasFn = DBIResult(WINAPI*)(void* config, const char* name, const char* type,
                                      const char* parameters, int32_t persistent);
using CfgSaveFn = DBIResult(WINAPI*)(void* config, const char* file, int32_t registered);
using DeleteAliasFn = DBIResult(WINAPI*)(void* config, const char* name);

// Calls an entry point bound by ordinal; a missing one answers with its failure code.
template <typename Fn, typename... Args>
DBIResult CallEngine(EngineEntry entry, Args... args) {
  DBIResult failure = 0;
  void* address = BoundEngineEntry(entry, &failure);
  if (!address) return failure;
  return reinterpret_cast<Fn>(address)(args...);
}

// The engine takes its strings in 256-byte buffers; a longer text would name something else.
using TextBuffer = std::array<char, 256>;
bool FillBuffer(TextBuffer& buffer, const std::string& text) {
  if (text.size() >= buffer.size()) return false;
  std::memcpy(buffer.data(), text.c_str(), text.size() + 1);
  return true;
}

}  // namespace

bool OpenEngine() {
  if (engine_open) return true;
  if (EngineInit(kEngineInterfaceVersion, nullptr) != 0) return false;
  engine_open = true;
  return true;
}

void CloseEngine() {
  if (!engine_open) return;
  EngineExit();
  engine_open = false;
}

bool ProductAliasExists() {
  return AliasOpens("VORTEL");
}

bool AliasOpens(const std::string& alias) {
  TextBuffer name;
  if (!OpenEngine() || !FillBuffer(name, alias)) return false;
  void* database = nullptr;
  if (CallEngine<OpenDatabaseFn>(kOpenDatabase, name.data(), nullptr, kOpenReadOnly, kShareShared,
                                 nullptr, uint16_t{0}, nullptr, nullptr, &database) != 0) {
    return false;
  }
  CallEngine<CloseDatabaseFn>(kCloseDatabase, &database);
  return true;
}

bool CreateAliases(const std::vector<std::string>& names, const std::vector<std::string>& paths) {
  if (names.size() != paths.size()) return false;
  if (changes::Planning()) {
    for (size_t i = 0; i < names.size(); ++i) changes::Record(AliasChange(names[i], paths[i]));
    return true;
  }
  if (!OpenEngine()) return false;
  NoteConfigurationFile();
  bool all = true;
  for (size_t i = 0; i < names.size(); ++i) {
    TextBuffer name, parameters;
    // The engine reads its parameters in the ANSI code page.
    const std::optional<std::string> path = os::AnsiPathBytes(paths[i]);
    if (!path || !FillBuffer(name, names[i]) || !FillBuffer(parameters, AliasParameter(*path)) ||
        !changes::Record(AliasChange(names[i], paths[i]))) {
      all = false;
      continue;
    }
    all = CallEngine<AddAliasFn>(kAddAlias, nullptr, name.data(), "PARADOX", parameters.data(),
                                 kTrue) == 0 &&
          all;
  }
  return CallEngine<CfgSaveFn>(kCfgSave, nullptr, nullptr, kFalse) == 0 && all;
}

bool DeleteAlias(const std::string& name) {
  TextBuffer text;
  if (!OpenEngine() || !FillBuffer(text, name)) return false;
  DBIResult failure = 0;
  void* address = EngineEntryByName("DbiDeleteAlias", &failure);
  if (!address) return false;
  // Gone already (another program removed it, or a journal names it twice): nothing to remove.
  const DBIResult result = reinterpret_cast<DeleteAliasFn>(address)(nullptr, text.data());
  if (result == kUnknownDatabase) return true;
  if (result != 0) return false;
  return CallEngine<CfgSaveFn>(kCfgSave, nullptr, nullptr, kFalse) == 0;
}

void RegisterEngineUndo() {
  changes::RegisterUndo(changes::Kind::kDomain, kAliasHandler,
                        [](const changes::Change& change) -> std::string {
                          const bool deleted = DeleteAlias(change.target);
                          // Unloaded, so that its own files can go after it.
                          CloseEngine();
                          if (deleted) return {};
                          return "nu pot sterge aliasul " + change.target;
                        });
}

}  // namespace bde
