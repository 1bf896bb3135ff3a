#include "media/upgrade_copy_page.h"

#include "app/wizard_steps.h"
#include "media/upgrade_copy.h"

TUpgCopy::TUpgCopy(TComponent* owner) : TCopyPage(owner, kStepUpgradeCopy) {}

int TUpgCopy::RunCopy(media::ExtractionPort& port) {
  return media::UpgradeCopy(*this, port).Run();
}
