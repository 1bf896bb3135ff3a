#include "upgrade/upgrade_library_wrappers.h"

#include "upgrade/library_report_win32.h"
#include "upgrade/upgrade_library.h"

namespace upgrade {

void UpgradeLibraryWrappers::GetAliasPath(std::string& alias) {
  upgrade::GetAliasPath(alias);
}

void UpgradeLibraryWrappers::DoStructureUpgrade() {
  upgrade::DoStructureUpgrade();
}

void UpgradeLibraryWrappers::DoListUpgrade() {
  upgrade::DoListUpgrade();
}

void UpgradeLibraryWrappers::DoConstUpgrade() {
  upgrade::DoConstUpgrade();
}

void UpgradeLibraryWrappers::SetReportListener(UpgradeReportListener* listener) {
  SetLibraryReportListener(listener);
  if (listener) upgrade::SetReportProc(&LibraryReportProc);
}

void UpgradeLibraryWrappers::SetQuickVerif(bool on) {
  upgrade::SetQuickVerif(on);
}

bool UpgradeLibraryWrappers::GetSemaforOK() {
  return upgrade::GetSemaforOK();
}

}  // namespace upgrade
