// The upgrade pages' view of the library loaded by the wizard: its wrappers, which do nothing
// while no library is loaded.
#pragma once

#include "upgrade/upgrade_library_port.h"

namespace upgrade {

class UpgradeLibraryWrappers : public UpgradeLibraryPort {
 public:
  void GetAliasPath(std::string& alias) override;
  void DoStructureUpgrade() override;
  void DoListUpgrade() override;
  void DoConstUpgrade() override;
  // The library keeps the procedure it was given last: a page that goes away only stops
  // listening.
  void SetReportListener(UpgradeReportListener* listener) override;
  void SetQuickVerif(bool on) override;
  bool GetSemaforOK() override;
};

}  // namespace upgrade
