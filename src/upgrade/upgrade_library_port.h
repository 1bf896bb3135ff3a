// What the upgrade pages need of the product's upgrade library, so that their decisions do not
// depend on how it is loaded.
#pragma once

#include <string>

namespace upgrade {

// Receives the library's progress texts.
class UpgradeReportListener {
 public:
  virtual ~UpgradeReportListener() = default;
  virtual void OnLibraryReport(const std::string& text) = 0;
};

class UpgradeLibraryPort {
 public:
  virtual ~UpgradeLibraryPort() = default;
  // Replaces the alias name with the alias's directory.
  virtual void GetAliasPath(std::string& alias) = 0;
  virtual void DoStructureUpgrade() = 0;
  virtual void DoListUpgrade() = 0;
  virtual void DoConstUpgrade() = 0;
  // Registers the report procedure; its texts go to `listener` (none: nowhere).
  virtual void SetReportListener(UpgradeReportListener* listener) = 0;
  virtual void SetQuickVerif(bool on) = 0;
  // True when the last task ended well.
  virtual bool GetSemaforOK() = 0;
};

}  // namespace upgrade
