#include "app/wizard_driver.h"

#include <memory>
#include <stdexcept>

#include "app/install_state.h"
#include "config/engine.h"
#include "forms/application.h"
#include "forms/form.h"
#include "forms/screen.h"
#include "media/brask_unzip.h"
#include "os/os.h"
#include "ui/mesaj_dlg.h"
#include "upgrade/server_question_win32.h"
#include "upgrade/upgrade_library.h"

std::array<TPageTableEntry, kStepCount> PageTable;

TWizardServices WizardServices = {
    &config::ProductAliasExists,
    &upgrade::LoadUpgradeLibrary,
    &upgrade::AskServerUpgrade,
};

void PrepareUpgradeArchive() {
  const std::string dir = os::DirectoryOf(os::ProgramPath());
  if (InstallState.UpgradeMode) {
    const std::string archive = dir + "\\UPGRADE.ZIP";
    {
      media::TBraskUnzip unzip;
      unzip.SetFileName(archive);
      unzip.SetDirectoryName(dir);
      unzip.ExtractAll();
    }
    os::RemoveFile(archive);
  } else {
    os::RemoveFile(os::WithoutTrailingBackslash(dir) + "\\UPGRADE.ZIP");
  }
}

namespace {

// Frees the page of the current step however its showing ends.
struct PageOnScreen {
  explicit PageOnScreen(TPageTableEntry& e) : entry(e) {}
  ~PageOnScreen() {
    delete entry.page;
    entry.page = nullptr;
  }
  TPageTableEntry& entry;
};

}  // namespace

void RunWizard() {
  InstallState.UpgradeMode = WizardServices.installation_found();
  Application.ProcessMessages();
  PrepareUpgradeArchive();
  ReadSetupConfig();
  if (InstallState.UpgradeMode) {
    InstallState.CurrentStep = kStepFindApp;
    if (!WizardServices.load_upgrade_library()) {
      InstallState.CurrentStep = kStepFinished;
      MesajDlg("Nu am putut incarca UPGRADE.DLL", "Program incomplet!", mtError, taCenter,
               kButtonsCancel, mbCancel, 0);
    }
  }
  while (InstallState.CurrentStep != kStepFinished) {
    TPageTableEntry& entry = PageTable.at(InstallState.CurrentStep);
    if (!entry.page_class) throw std::logic_error("wizard step without a page");
    entry.page = entry.page_class();
    PageOnScreen on_screen(entry);
    const PagePosition at =
        PlacePage(Screen.Width(), Screen.Height(), entry.page->Width(), entry.page->Height());
    entry.page->SetBounds(at.left, at.top, entry.page->Width(), entry.page->Height());
    const int result = entry.page->ShowModal();
    InstallState.CurrentStep = NextStep(result, InstallState, WizardServices.server_upgrade);
  }
}
