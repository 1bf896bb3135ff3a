#include "app/wizard_pages.h"

#include "app/placeholder_page.h"
#include "app/wizard_driver.h"
#include "config/config_page.h"
#include "upgrade/find_app_page.h"
#include "upgrade/upg_data_page.h"

void RegisterWizardPages() {
  PageTable[kStepInstallType].page_class = &PlaceholderPage<kStepInstallType>;
  PageTable[kStepDirectories].page_class = &PlaceholderPage<kStepDirectories>;
  PageTable[kStepCopy].page_class = &PlaceholderPage<kStepCopy>;
  PageTable[kStepConfig].page_class = &CreateConfigPage;
  PageTable[kStepEnd].page_class = &PlaceholderPage<kStepEnd>;
  PageTable[kStepFindApp].page_class = &CreateFindAppPage;
  PageTable[kStepUpgradeCopy].page_class = &PlaceholderPage<kStepUpgradeCopy>;
  PageTable[kStepUpgradeData].page_class = &CreateUpgDataPage;
}
