// The engine stand-in's entry points as the setup program binds them.
#pragma once

#include <windows.h>

#include <cstdint>

namespace testing_support {

using DbiInitFn = DWORD(WINAPI*)(uint16_t version, void* environment);
using DbiExit = DWORD(WINAPI*)();
using DbiOpenDatabase = DWORD(WINAPI*)(const char* name, const char* type, int mode, int share,
                                       const char* password, uint16_t optional_count,
                                       void* optional_fields, void* optional_params, void** handle);
using DbiCloseDatabase = DWORD(WINAPI*)(void** handle);
using DbiCfgSave = DWORD(WINAPI*)(void* config, const char* path, uint16_t registered);
using DbiAddAlias = DWORD(WINAPI*)(void* config, const char* name, const char* type,
                                   const char* params, uint16_t persistent);

// The engine's operations, found by name and ordinal as the setup program does.
struct EngineEntries {
  explicit EngineEntries(HMODULE engine)
      : init(Bind<DbiInitFn>(engine, "DbiInitFn")),
        exit(Bind<DbiExit>(engine, "DbiExit")),
        open(Bind<DbiOpenDatabase>(engine, MAKEINTRESOURCEA(4))),
        close(Bind<DbiCloseDatabase>(engine, MAKEINTRESOURCEA(5))),
        save(Bind<DbiCfgSave>(engine, MAKEINTRESOURCEA(400))),
        add_alias(Bind<DbiAddAlias>(engine, MAKEINTRESOURCEA(1207))) {}

  bool Complete() const { return init && exit && open && close && save && add_alias; }

  // Opens a database read-only and shared, closes it again; the open's result.
  DWORD OpenAndClose(const char* name) const {
    void* handle = nullptr;
    const DWORD result = open(name, nullptr, 1, 0, nullptr, 0, nullptr, nullptr, &handle);
    if (result == 0) close(&handle);
    return result;
  }

  template <typename F>
  static F Bind(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  }

  DbiInitFn init;
  DbiExit exit;
  DbiOpenDatabase open;
  DbiCloseDatabase close;
  DbiCfgSave save;
  DbiAddAlias add_alias;
};

}  // namespace testing_support
