// Stand-in for the database engine: just enough of its interface for the setup program to
// initialise it, create aliases that outlive the process, and open a database by alias.
#include <windows.h>

#include <cstdint>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "common/alias_store.h"
#include "common/trace.h"

namespace {

// Results are 16-bit codes; they are returned in the whole register so that callers declaring
// either width read the same value.
using DbiResult = DWORD;
constexpr DbiResult kOk = 0;
constexpr DbiResult kErrOutOfMemory = 0x2501;
constexpr DbiResult kErrInvalidParam = 0x2602;
constexpr DbiResult kErrNotInitialized = 0x2604;
constexpr DbiResult kErrInvalidHandle = 0x2606;
constexpr DbiResult kErrUnknownDatabase = 0x2906;
constexpr DbiResult kErrCannotWrite = 0x2A03;
constexpr DbiResult kErrNameNotUnique = 0x3206;

struct SessionAlias {
  standin::Alias alias;
  bool persistent;
};

struct OpenDatabase {
  std::string alias;
};

struct Engine {
  std::mutex lock;
  int init_count = 0;
  std::vector<SessionAlias> session;  // added by this process, not yet in the file
  std::set<OpenDatabase*> databases;
};

Engine& TheEngine() {
  static Engine engine;
  return engine;
}

std::string ConfigPath() {
  return standin::ModuleDirectory(standin::ThisModule()) + standin::kAliasFileName;
}

bool IsKnownAlias(const Engine& engine, const std::string& name) {
  for (const SessionAlias& s : engine.session)
    if (standin::SameAliasName(s.alias.name, name)) return true;
  return standin::FindAlias(standin::LoadAliases(ConfigPath()), name).has_value();
}

// The path of "PATH:dir" (other parameters may follow after a semicolon).
std::string PathParameter(const std::string& params) {
  constexpr char kKey[] = "PATH:";
  if (params.size() < 5 || CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, params.c_str(), 5,
                                          kKey, 5) != CSTR_EQUAL)
    return std::string();
  const std::string rest = params.substr(5);
  return rest.substr(0, rest.find(';'));
}

}  // namespace

extern "C" {

DbiResult WINAPI DbiInitFn(unsigned short /*version*/, void* /*environment*/) {
  Engine& engine = TheEngine();
  std::lock_guard guard(engine.lock);
  ++engine.init_count;
  return kOk;
}

DbiResult WINAPI DbiExit() {
  Engine& engine = TheEngine();
  std::lock_guard guard(engine.lock);
  if (engine.init_count == 0) return kErrNotInitialized;
  if (--engine.init_count == 0) {
    for (OpenDatabase* db : engine.databases) delete db;
    engine.databases.clear();
    engine.session.clear();
  }
  return kOk;
}

DbiResult WINAPI DbiOpenDatabase(const char* name, const char* /*driver_type*/, int /*open_mode*/,
                                 int /*share_mode*/, const char* /*password*/,
                                 unsigned short /*optional_count*/, void* /*optional_fields*/,
                                 void* /*optional_params*/, void** handle) {
  Engine& engine = TheEngine();
  std::lock_guard guard(engine.lock);
  if (engine.init_count == 0) return kErrNotInitialized;
  if (handle == nullptr) return kErrInvalidParam;
  *handle = nullptr;
  if (name == nullptr || *name == '\0' || !IsKnownAlias(engine, name)) return kErrUnknownDatabase;
  auto* db = new (std::nothrow) OpenDatabase{name};
  if (db == nullptr) return kErrOutOfMemory;
  engine.databases.insert(db);
  *handle = db;
  return kOk;
}

DbiResult WINAPI DbiCloseDatabase(void** handle) {
  Engine& engine = TheEngine();
  std::lock_guard guard(engine.lock);
  if (engine.init_count == 0) return kErrNotInitialized;
  if (handle == nullptr) return kErrInvalidHandle;
  auto* db = static_cast<OpenDatabase*>(*handle);
  if (engine.databases.erase(db) == 0) return kErrInvalidHandle;
  delete db;
  *handle = nullptr;
  return kOk;
}

DbiResult WINAPI DbiCfgSave(void* config, const char* path, unsigned short /*registered*/) {
  Engine& engine = TheEngine();
  std::lock_guard guard(engine.lock);
  if (engine.init_count == 0) return kErrNotInitialized;
  if (config != nullptr) return kErrInvalidHandle;
  const std::string target = path != nullptr && *path != '\0' ? path : ConfigPath();
  // Another process may have saved since; keep what it wrote.
  std::vector<standin::Alias> aliases = standin::LoadAliases(target);
  for (const SessionAlias& s : engine.session) {
    if (!s.persistent || standin::FindAlias(aliases, s.alias.name)) continue;
    aliases.push_back(s.alias);
  }
  if (!standin::SaveAliases(target, aliases)) return kErrCannotWrite;
  std::erase_if(engine.session, [](const SessionAlias& s) { return s.persistent; });
  return kOk;
}

DbiResult WINAPI DbiAddAlias(void* config, const char* name, const char* driver_type,
                             const char* params, unsigned short persistent) {
  Engine& engine = TheEngine();
  std::lock_guard guard(engine.lock);
  if (engine.init_count == 0) return kErrNotInitialized;
  if (config != nullptr) return kErrInvalidHandle;
  if (name == nullptr || driver_type == nullptr || params == nullptr) return kErrInvalidParam;
  standin::Alias alias{name, driver_type, PathParameter(params)};
  if (!standin::IsStorableField(alias.name) || !standin::IsStorableField(alias.driver) ||
      !standin::IsStorableField(alias.path))
    return kErrInvalidParam;
  if (IsKnownAlias(engine, alias.name)) return kErrNameNotUnique;
  engine.session.push_back({std::move(alias), persistent != 0});
  return kOk;
}

// Removes the alias from the session and from the saved configuration.
DbiResult WINAPI DbiDeleteAlias(void* config, const char* name) {
  Engine& engine = TheEngine();
  std::lock_guard guard(engine.lock);
  if (engine.init_count == 0) return kErrNotInitialized;
  if (config != nullptr) return kErrInvalidHandle;
  if (name == nullptr || *name == '\0') return kErrInvalidParam;
  const auto matches = [name](const standin::Alias& a) {
    return standin::SameAliasName(a.name, name);
  };
  const bool in_session =
      std::erase_if(engine.session, [&](const SessionAlias& s) { return matches(s.alias); }) > 0;
  std::vector<standin::Alias> saved = standin::LoadAliases(ConfigPath());
  const bool in_file = std::erase_if(saved, matches) > 0;
  if (in_file && !standin::SaveAliases(ConfigPath(), saved)) return kErrCannotWrite;
  return in_session || in_file ? kOk : kErrUnknownDatabase;
}

}  // extern "C"
