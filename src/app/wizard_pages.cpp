#include "app/wizard_pages.h"

#include "app/placeholder_page.h"
#include "app/wizard_driver.h"
#include "config/config_page.h"
#include "media/fresh_copy_page.h"
#include "media/upgrade_copy_page.h"
#include "pages/directories_page.h"
#include "pages/end_page.h"
#include "pages/install_type_page.h"
#include "upgrade/find_app_page.h"
#include "upgrade/upg_data_page.h"

void RegisterWizardPages() {
  PageTable[kStepInstallType].page_class = &CreateInstallTypePage;
  PageTable[kStepDirectories].page_class = &CreateDirectoriesPage;
  PageTable[kStepCopy].page_class = []() -> TForm* { return CreateForm<TCopy>(&Application); };
  PageTable[kStepConfig].page_class = &CreateConfigPage;
  PageTable[kStepEnd].page_class = &CreateEndPage;
  PageTable[kStepFindApp].page_class = &CreateFindAppPage;
  PageTable[kStepUpgradeCopy].page_class = []() -> TForm* {
    return CreateForm<TUpgCopy>(&Application);
  };
  PageTable[kStepUpgradeData].page_class = &CreateUpgDataPage;
}
