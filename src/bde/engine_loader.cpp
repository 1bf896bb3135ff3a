#include "bde/engine_loader.h"

#include <windows.h>

#include <array>
#include <atomic>

#include "bde/engine_load_error.h"
#include "bde/engine_registry_win32.h"
#include "bde/registry_keys.h"
#include "os/ansi_code_page.h"
#include "os/trust_boundary.h"

namespace bde {

namespace {

constexpr char kClientTag[] = "VRT";

// --- Loader lock -------------------------------------------------------------------------

CRITICAL_SECTION loader_section;
std::atomic<bool> loader_section_ready{false};

// The critical section is created once per process; the named mutex keeps two threads from
// creating it at the same time.
CRITICAL_SECTION& LoaderSection() {
  if (!loader_section_ready.load(std::memory_order_acquire)) {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "LIBLDRMUX");
    if (mutex) WaitForSingleObject(mutex, INFINITE);
    if (!loader_section_ready.load(std::memory_order_relaxed)) {
      InitializeCriticalSection(&loader_section);
      loader_section_ready.store(true, std::memory_order_release);
    }
    if (mutex) {
      ReleaseMutex(mutex);
      CloseHandle(mutex);
    }
  }
  return loader_section;
}

class LoaderLock {
 public:
  LoaderLock() : section_(LoaderSection()) { EnterCriticalSection(&section_); }
  ~LoaderLock() { LeaveCriticalSection(&section_); }
  LoaderLock(const LoaderLock&) = delete;
  LoaderLock& operator=(const LoaderLock&) = delete;

 private:
  CRITICAL_SECTION& section_;
};

// --- Library search ----------------------------------------------------------------------

// The engine's library from the folder its registry key names (only administrators write it),
// by its full path, and from nowhere else: the current folder (the program directory during
// the copy) and the system's search take folders that any user may fill.
HMODULE LoadLibraryFromEngineFolder() {
  const std::optional<std::string> list =
      ReadRegistryText(HKEY_LOCAL_MACHINE, kEngineKey, "DLLPATH");
  const std::optional<std::string> path =
      list ? trust::EngineLibraryPath(os::FromAnsiCodePage(*list)) : std::nullopt;
  if (!path) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  return static_cast<HMODULE>(trust::LoadLibraryByFullPath(*path));
}

// An exported function of the library, typed.
template <typename Fn>
Fn Export(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// --- Initialisation and shutdown ---------------------------------------------------------

HMODULE init_module = nullptr;
uint16_t init_use_count = 0;

using InitFn = DBIResult(WINAPI*)(uint32_t version, void* environment);
using ExitFn = DBIResult(WINAPI*)();

// --- Lazy binding ------------------------------------------------------------------------

#pragma pack(push, 1)
struct DllInitRecord {
  uint16_t version;
  const char* library;
  const char* client_tag;
};
#pragma pack(pop)
using DllInitFn = void(WINAPI*)(DllInitRecord*);

struct BindingRecord {
  const char* library = "idapi32.DLL";
  HMODULE module = nullptr;
  std::array<std::atomic<void*>, kEngineEntrySlots> slots{};
};
BindingRecord binding;

// After the library is unloaded the bound addresses point nowhere; the next call binds anew.
void ForgetBindings() {
  LoaderLock lock;
  binding.module = nullptr;
  for (auto& slot : binding.slots) slot.store(nullptr, std::memory_order_relaxed);
}

}  // namespace

void* LoadEngineLibrary() {
  const UINT previous = SetErrorMode(SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryFromEngineFolder();
  const DWORD error = GetLastError();
  SetErrorMode(previous);
  SetLastError(error);
  return module;
}

DBIResult EngineInit(uint32_t version, void* environment) {
  HMODULE module = init_module;
  bool loaded_here = false;
  if (!module) {
    module = static_cast<HMODULE>(LoadEngineLibrary());
    if (!module) return LoadErrorCode(GetLastError());
    loaded_here = true;
  }
  DBIResult result;
  {
    LoaderLock lock;
    auto init = Export<InitFn>(module, "DbiInitFn");
    result = init ? init(version, environment) : kErrInitMissing;
    if (result == 0) {
      if (init_use_count == 0) init_module = module;
      ++init_use_count;
      return 0;
    }
  }
  if (loaded_here) FreeLibrary(module);
  return result;
}

DBIResult EngineExit() {
  auto exit = init_module ? Export<ExitFn>(init_module, "DbiExit") : nullptr;
  if (!exit) return kErrEntryMissing;
  if (const DBIResult result = exit(); result != 0) return result;
  if (init_use_count > 0 && --init_use_count == 0) {
    FreeLibrary(init_module);
    init_module = nullptr;
    ForgetBindings();
  }
  return 0;
}

namespace {

// The bound library, loaded and initialised for binding on first use; call under the lock.
HMODULE BindingModule(DBIResult* failure) {
  if (!binding.module) {
    HMODULE module = GetModuleHandleA(binding.library);
    if (!module) module = static_cast<HMODULE>(LoadEngineLibrary());
    if (!module) {
      *failure = kErrEngineBindLoad;
      return nullptr;
    }
    binding.module = module;
    if (auto init = Export<DllInitFn>(module, "DLLINITFUNCTION")) {
      DllInitRecord record{1, trust::kEngineLibrary, kClientTag};
      init(&record);
    }
  }
  return binding.module;
}

}  // namespace

void* BoundEngineEntry(EngineEntry entry, DBIResult* failure) {
  std::atomic<void*>& slot = binding.slots[entry.slot];
  if (void* bound = slot.load(std::memory_order_acquire)) return bound;
  LoaderLock lock;
  if (!BindingModule(failure)) return nullptr;
  void* address = Export<void*>(binding.module, MAKEINTRESOURCEA(entry.ordinal));
  if (!address) {
    *failure = kErrEntryMissing;
    return nullptr;
  }
  slot.store(address, std::memory_order_release);
  return address;
}

void* EngineEntryByName(const char* name, DBIResult* failure) {
  LoaderLock lock;
  if (!BindingModule(failure)) return nullptr;
  void* address = Export<void*>(binding.module, name);
  if (!address) *failure = kErrEntryMissing;
  return address;
}

}  // namespace bde
