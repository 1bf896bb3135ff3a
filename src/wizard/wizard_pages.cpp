#include "wizard/wizard_pages.h"

#include "copy/free_space.h"
#include "forms/forms.h"
#include "ui/message/mesaj_dlg.h"
#include "wizard/end_page.h"
#include "wizard/fresh/config_page.h"
#include "wizard/fresh/directories_page.h"
#include "wizard/fresh/fresh_copy_page.h"
#include "wizard/fresh/install_type_page.h"
#include "wizard/upgrade/find_app_page.h"
#include "wizard/upgrade/upg_data_page.h"
#include "wizard/upgrade/upgrade_copy_page.h"

const TPageTable& WizardPages() {
  static const TPageTable table = [] {
    TPageTable t{};
    t[kStepInstallType] = [](TWizardContext& c) { return CreateInstallTypePage(c.state); };
    t[kStepDirectories] = [](TWizardContext& c) {
      return CreateDirectoriesPage(
          c.state,
          FreshRoomCheck(
              c.media, c.engine_registry,
              [](const std::string& text) { return AskRetry(text, copy::kSpaceShortageCaption); }),
          bde::ProgramFilesDirectory(c.engine_registry).value_or(std::string()));
    };
    t[kStepCopy] = [](TWizardContext& c) -> TForm* {
      return CreateForm<TCopy>(&Application, c.state, c.engine_registry, c.media);
    };
    t[kStepConfig] = [](TWizardContext& c) { return CreateConfigPage(c.state); };
    t[kStepEnd] = [](TWizardContext& c) { return CreateEndPage(c.state, c.restart); };
    t[kStepFindApp] = [](TWizardContext& c) {
      return CreateFindAppPage(c.state, c.library, c.probe);
    };
    t[kStepUpgradeCopy] = [](TWizardContext& c) -> TForm* {
      return CreateForm<TUpgCopy>(&Application, c.state, c.media);
    };
    t[kStepUpgradeData] = [](TWizardContext& c) { return CreateUpgDataPage(c.state, c.library); };
    return t;
  }();
  return table;
}
