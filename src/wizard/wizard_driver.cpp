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
#include "wizard/installation_road.h"
#include "wizard/media_proof.h"
#include "wizard/rollback_offer.h"
#include "wizard/wizard_steps.h"

namespace {

constexpr char kEntryFailure[] = "Nu pot scrie intrarea din Add or Remove Programs";

}  // namespace

std::string PrepareUpgradeArchive(const TInstallState& state, const copy::MediaManifest* media) {
  const std::string dir = os::DirectoryOf(os::ProgramPath());
  const std::string archive = os::WithoutTrailingBackslash(dir) + "\\UPGRADE.ZIP";
  std::string refusal;
  if (state.UpgradeMode) {
    // The library it holds runs inside this program: only the publisher's.
    refusal = UpgradeArchiveRefusal(media, archive);
    if (refusal.empty()) {
      unzip::TBraskUnzip unzip;
      unzip.SetFileName(archive);
      unzip.SetDirectoryName(dir);
      unzip.ExtractAll();
    }
  }
  os::RemoveFile(archive);
  return refusal;
}

std::string MediaRefusal(const TWizardContext& context) {
  if (context.state.UpgradeMode || !context.media || !context.media->upgrade) return {};
  return "Aceste discuri contin doar actualizarea programului.\r"
         "Nu am gasit o instalare RidOZIZUZ de actualizat.\r"
         "Pentru o instalare noua folositi discurile complete.";
}

int RunWizard(TWizardContext& context, const TWizardServices& services, const TPageTable& pages) {
  TInstallState& state = context.state;
  // The background is painted before any question is put over it.
  Application.ProcessMessages();
  if (!ProveMedia(context, &AskRetry)) return kExitFailed;
  const TInstallationFound installation = FindInstallation(services, context.probe);
  state.UpgradeMode = installation.found;
  Application.ProcessMessages();
  std::string refusal;
  {
    // The upgrade library is unpacked into the program's own folder: no change to the machine.
    changes::Unjournaled own_work;
    refusal = PrepareUpgradeArchive(state, context.media);
  }
  if (refusal.empty()) refusal = MediaRefusal(context);
  if (!refusal.empty()) {
    state.Failures.push_back(refusal);
    MesajDlg(refusal, "Instalare imposibila", mtError, taCenter, kButtonsOK, mbOK, 0);
    return kExitFailed;
  }
  state.DiskCount = MediaDiskCount(context, os::DirectoryOf(os::ProgramPath()));
  // The run's changes once the alias was put back; 0 when it was not.
  size_t restored = 0;
  if (state.UpgradeMode) {
    state.CurrentStep = kStepFindApp;
    if (!services.load_upgrade_library()) {
      state.CurrentStep = kStepFinished;
      state.Failures.push_back("Nu am putut incarca UPGRADE.DLL");
      MesajDlg(state.Failures.back(), "Program incomplet!", mtError, taCenter, kButtonsCancel,
               mbCancel, 0);
    } else if (!installation.alias_path.empty()) {
      if (RestoreProductAlias(state, installation.alias_path)) {
        restored = changes::RunChanges().size();
      } else {
        state.CurrentStep = kStepFinished;
        if (!changes::Planning()) RollBackRun(state, true);
        MesajDlg(state.Failures.back(), "Eroare!", mtError, taCenter, kButtonsOK, mbOK, 0);
      }
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
  // Left before anything else changed: the alias put back for the run goes again.
  if (abandoned && restored != 0 && changes::RunChanges().size() == restored &&
      !changes::Planning())
    RollBackRun(state, true);
  return ExitCodeOf(state, abandoned);
}
