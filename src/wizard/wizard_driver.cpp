#include "wizard/wizard_driver.h"

#include <memory>
#include <stdexcept>

#include "changes/journal.h"
#include "forms/application.h"
#include "forms/form.h"
#include "forms/screen.h"
#include "os/os.h"
#include "state/exit_codes.h"
#include "ui/message/mesaj_dlg.h"
#include "unzip/brask_unzip.h"
#include "wizard/installation_entry.h"
#include "wizard/wizard_steps.h"

namespace {

constexpr char kEntryFailure[] = "Nu pot scrie intrarea din Add or Remove Programs";

}  // namespace

void PrepareUpgradeArchive(const TInstallState& state) {
  const std::string dir = os::DirectoryOf(os::ProgramPath());
  if (state.UpgradeMode) {
    const std::string archive = dir + "\\UPGRADE.ZIP";
    {
      unzip::TBraskUnzip unzip;
      unzip.SetFileName(archive);
      unzip.SetDirectoryName(dir);
      unzip.ExtractAll();
    }
    os::RemoveFile(archive);
  } else {
    os::RemoveFile(os::WithoutTrailingBackslash(dir) + "\\UPGRADE.ZIP");
  }
}

std::string MediaRefusal(const TWizardContext& context) {
  if (context.state.UpgradeMode || !context.media || !context.media->upgrade) return {};
  return "Aceste discuri contin doar actualizarea programului.\r"
         "Nu am gasit o instalare RidOZIZUZ de actualizat.\r"
         "Pentru o instalare noua folositi discurile complete.";
}

int RunWizard(TWizardContext& context, const TWizardServices& services, const TPageTable& pages) {
  TInstallState& state = context.state;
  state.UpgradeMode = services.installation_found();
  Application.ProcessMessages();
  {
    // The upgrade library is unpacked into the program's own folder: no change to the machine.
    changes::Unjournaled own_work;
    PrepareUpgradeArchive(state);
  }
  if (const std::string refusal = MediaRefusal(context); !refusal.empty()) {
    state.Failures.push_back(refusal);
    MesajDlg(refusal, "Instalare imposibila", mtError, taCenter, kButtonsOK, mbOK, 0);
    return kExitFailed;
  }
  state.DiskCount = ReadDiskCount(os::DirectoryOf(os::ProgramPath()));
  if (state.UpgradeMode) {
    state.CurrentStep = kStepFindApp;
    if (!services.load_upgrade_library()) {
      state.CurrentStep = kStepFinished;
      state.Failures.push_back("Nu am putut incarca UPGRADE.DLL");
      MesajDlg(state.Failures.back(), "Program incomplet!", mtError, taCenter, kButtonsCancel,
               mbCancel, 0);
    }
  }
  bool abandoned = false;
  bool registered = false;
  const auto server_upgrade = [&] { return services.server_upgrade(state); };
  while (state.CurrentStep != kStepFinished) {
    const TPageClass page_class = pages.at(state.CurrentStep);
    if (!page_class) throw std::logic_error("wizard step without a page");
    const std::unique_ptr<TForm> page(page_class(context));
    const PagePosition at =
        PlacePage(Screen.Width(), Screen.Height(), page->Width(), page->Height());
    page->SetBounds(at.left, at.top, page->Width(), page->Height());
    const int result = page->ShowModal();
    abandoned = result == kPageAbandon;
    state.CurrentStep = NextStep(result, state, server_upgrade);
    // Once the work is done, Windows lists the installation; the end page says if it failed.
    if (state.CurrentStep == kStepEnd && !registered && state.Failures.empty()) {
      registered = true;
      if (!RegisterInstallation(state)) state.Failures.push_back(kEntryFailure);
    }
  }
  return ExitCodeOf(state, abandoned);
}
