#include "wizard/upgrade/upgrade_copy_page.h"

#include "copy/upgrade_copy.h"

TUpgCopy::TUpgCopy(TComponent* owner, TInstallState& state) : TCopyPage(owner, state) {}

int TUpgCopy::RunCopy(copy::ExtractionPort& port) {
  return copy::UpgradeCopy(state_, *this, port).Run();
}
