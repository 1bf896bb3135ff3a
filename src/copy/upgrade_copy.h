// The copy of an upgrade: the upgrade selection over the installed product, asking before each
// existing file is replaced.
#pragma once

#include "copy/copy_controller.h"

namespace copy {

class UpgradeCopy : public CopyController {
 public:
  UpgradeCopy(TInstallState& state, CopyHost& host, ExtractionPort& port,
              const MediaManifest* media)
      : CopyController(state, host, port, kUpgradeSelection, media) {}

  bool OnConfirmOverwrite(const std::string& target) override;

 protected:
  // The engine is never part of an upgrade.
  std::optional<std::string> DestinationOf(const TCompRecord& archive) override {
    return ProductDestination(state_, archive.Destination);
  }
  bool ConfirmsOverwrite() const override { return true; }
};

}  // namespace copy
