// The product's upgrade library (UPGRADE.DLL), loaded at run time on the upgrade road.
#pragma once

#include <cstdint>
#include <string>

namespace upgrade {

// Called by the library with a movable global-memory block holding a zero-terminated text;
// the block stays the library's.
using ReportProc = void(__stdcall*)(void* global_text);

// Loads the library from the running program's own directory.
bool LoadUpgradeLibrary();
// Loads it from `directory` only. A library that lacks any of its seven functions is not the
// product's: it is unloaded again and the load fails.
bool LoadUpgradeLibraryFrom(const std::string& directory);
bool UpgradeLibraryLoaded();
// At program end.
void UnloadUpgradeLibrary();

// The wrappers do nothing (and answer false) while no library is loaded.
// Replaces `alias` (at most 255 characters are passed) with the alias's directory.
void GetAliasPath(std::string& alias);
void DoStructureUpgrade();
void DoListUpgrade();
void DoConstUpgrade();
void SetReportProc(ReportProc proc);
void SetQuickVerif(bool on);
// True when the last task ended well.
bool GetSemaforOK();

// The text of a report block: locked, copied and unlocked, never freed.
std::string ReportText(void* global_text);

}  // namespace upgrade
