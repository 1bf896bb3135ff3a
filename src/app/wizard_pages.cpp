#include "app/wizard_pages.h"

#include "app/placeholder_page.h"
#include "app/wizard_driver.h"
#include "media/fresh_copy_page.h"
#include "media/upgrade_copy_page.h"

void RegisterWizardPages() {
  PageTable[kStepInstallType].page_class = &PlaceholderPage<kStepInstallType>;
  PageTable[kStepDirectories].page_class = &PlaceholderPage<kStepDirectories>;
  PageTable[kStepCopy].page_class = []() -> TForm* { return CreateForm<TCopy>(&Application); };
  PageTable[kStepConfig].page_class = &PlaceholderPage<kStepConfig>;
  PageTable[kStepEnd].page_class = &PlaceholderPage<kStepEnd>;
  PageTable[kStepFindApp].page_class = &PlaceholderPage<kStepFindApp>;
  PageTable[kStepUpgradeCopy].page_class = []() -> TForm* {
    return CreateForm<TUpgCopy>(&Application);
  };
  PageTable[kStepUpgradeData].page_class = &PlaceholderPage<kStepUpgradeData>;
}
