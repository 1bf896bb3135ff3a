// The copy page of an upgrade: the upgrade archives over the installed product, keeping the
// user's data and the engine's libraries.
#pragma once

#include "wizard/copy_page.h"

class TUpgCopy : public TCopyPage {
 public:
  TUpgCopy(TComponent* owner, TInstallState& state, const copy::MediaManifest* media = nullptr);

 protected:
  int RunCopy(copy::ExtractionPort& port) override;
};
