#include "upgrade/upgrade_library.h"

#include <windows.h>

#include "log/debug_log.h"
#include "os/ansi_code_page.h"
#include "os/os.h"
#include "os/trust_boundary.h"
#include "upgrade/alias_buffer.h"
#include "upgrade/library_path.h"

namespace upgrade {

namespace {

using TextFn = void(WINAPI*)(char* text);
using TaskFn = void(WINAPI*)();
using SetReportFn = void(WINAPI*)(ReportProc proc);
using SetFlagFn = void(WINAPI*)(uint8_t on);
using FlagFn = uint8_t(WINAPI*)();

struct Library {
  HMODULE module = nullptr;
  TextFn get_alias_path = nullptr;
  TaskFn do_structure_upgrade = nullptr;
  TaskFn do_list_upgrade = nullptr;
  SetReportFn set_report_proc = nullptr;
  TaskFn do_const_upgrade = nullptr;
  SetFlagFn set_quick_verif = nullptr;
  FlagFn get_semafor_ok = nullptr;
};
Library library;

template <typename Fn>
bool Bind(HMODULE module, const char* name, Fn& entry) {
  entry = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  if (!entry) DebugNote(std::string("UPGRADE.DLL fara functia ") + name);
  return entry != nullptr;
}

}  // namespace

bool LoadUpgradeLibrary() {
  return LoadUpgradeLibraryFrom(os::DirectoryOf(os::ProgramPath()));
}

bool LoadUpgradeLibraryFrom(const std::string& directory) {
  if (library.module) return true;
  // By its full path, and what it needs from its own folder and the system folder.
  HMODULE module =
      static_cast<HMODULE>(trust::LoadLibraryByFullPath(UpgradeLibraryPath(directory)));
  if (reinterpret_cast<uintptr_t>(module) < 32) return false;
  Library bound{module};
  // Every name is looked up, so that the log lists all that are missing.
  bool complete = Bind(module, "GetAliasPath", bound.get_alias_path);
  complete = Bind(module, "DoStructureUpgrade", bound.do_structure_upgrade) && complete;
  complete = Bind(module, "DoListUpgrade", bound.do_list_upgrade) && complete;
  complete = Bind(module, "SetReportProc", bound.set_report_proc) && complete;
  complete = Bind(module, "DoConstUpgrade", bound.do_const_upgrade) && complete;
  complete = Bind(module, "SetQuickVerif", bound.set_quick_verif) && complete;
  complete = Bind(module, "GetSemaforOK", bound.get_semafor_ok) && complete;
  if (!complete) {
    FreeLibrary(module);
    return false;
  }
  library = bound;
  return true;
}

bool UpgradeLibraryLoaded() {
  return library.module != nullptr;
}

void UnloadUpgradeLibrary() {
  if (library.module) FreeLibrary(library.module);
  library = Library{};
}

void GetAliasPath(std::string& alias) {
  if (!library.get_alias_path) return;
  // The library speaks the ANSI code page, and names a directory the code page lacks by its
  // short name: the long one is what a person recognises and types.
  AliasBuffer buffer(os::ToAnsiCodePage(alias).value_or(alias));
  library.get_alias_path(buffer.data());
  alias = os::LongPathForm(os::FromAnsiCodePage(buffer.Text()));
}

void DoStructureUpgrade() {
  if (library.do_structure_upgrade) library.do_structure_upgrade();
}

void DoListUpgrade() {
  if (library.do_list_upgrade) library.do_list_upgrade();
}

void DoConstUpgrade() {
  if (library.do_const_upgrade) library.do_const_upgrade();
}

void SetReportProc(ReportProc proc) {
  if (library.set_report_proc) library.set_report_proc(proc);
}

void SetQuickVerif(bool on) {
  if (library.set_quick_verif) library.set_quick_verif(on ? 1 : 0);
}

bool GetSemaforOK() {
  return library.get_semafor_ok && library.get_semafor_ok() != 0;
}

std::string ReportText(void* global_text) {
  HGLOBAL block = static_cast<HGLOBAL>(global_text);
  const char* text = block ? static_cast<const char*>(GlobalLock(block)) : nullptr;
  if (!text) return {};
  const SIZE_T size = GlobalSize(block);
  const std::string copy(text, strnlen(text, size));
  GlobalUnlock(block);
  return os::FromAnsiCodePage(copy);
}

}  // namespace upgrade
