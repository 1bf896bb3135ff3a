// The copy of an upgrade: the upgrade selection over the installed product, asking before each
// existing file is replaced.
#pragma once

#include "media/copy_controller.h"

namespace media {

class UpgradeCopy : public CopyController {
 public:
  UpgradeCopy(CopyHost& host, ExtractionPort& port)
      : CopyController(host, port, kUpgradeSelection) {}

  bool OnConfirmOverwrite(const std::string& target) override;

 protected:
  // The engine is never part of an upgrade.
  std::optional<std::string> DestinationOf(const TCompRecord& archive) override {
    return ProductDestination(archive.Destination);
  }
  bool ConfirmsOverwrite() const override { return true; }
};

}  // namespace media
