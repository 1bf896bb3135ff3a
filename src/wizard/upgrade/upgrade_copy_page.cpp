#include "wizard/upgrade/upgrade_copy_page.h"

#include "copy/upgrade_copy.h"

TUpgCopy::TUpgCopy(TComponent* owner, TInstallState& state, const copy::MediaManifest* media)
    : TCopyPage(owner, state, media) {}

int TUpgCopy::RunCopy(copy::ExtractionPort& port) {
  return copy::UpgradeCopy(state_, *this, port, media_).Run();
}
