#include "app/startup.h"

#include <windows.h>

#include <clocale>
#include <memory>

#include "app/background_window.h"
#include "app/command_line.h"
#include "app/hand_off.h"
#include "bde/engine.h"
#include "bde/engine_registry_win32.h"
#include "forms/forms.h"
#include "log/debug_log.h"
#include "os/os.h"
#include "state/install_state.h"
#include "ui/message/mesaj_dlg.h"
#include "upgrade/server_question_win32.h"
#include "upgrade/system_probe_win32.h"
#include "upgrade/upgrade_library.h"
#include "upgrade/upgrade_library_wrappers.h"
#include "wizard/wizard_driver.h"

namespace {

std::string WindowsDirectory() {
  char buffer[MAX_PATH + 1] = "";
  const UINT n = GetWindowsDirectoryA(buffer, sizeof buffer);
  return std::string(buffer, n < sizeof buffer ? n : 0);
}

void MediaStart(const std::string& argument0) {
  const std::string media_dir = MediaDirFrom(argument0, os::ProgramPath());
  const std::string work_dir = WorkDirFrom(os::GetEnv("TEMP"), WindowsDirectory());
  const HandOffOutcome outcome = PrepareWorkingCopy(media_dir, work_dir);
  if (!outcome.ok) {
    MesajDlg("Fisierul\r" + outcome.failed_file + "\rnu poate fi copiat.\rInstalarea se opreste.",
             "", mtError, taCenter, kButtonsOK, mbOK, 0);
    return;
  }
  WinExec(RelaunchCommandLine(work_dir, DebugEnabled).c_str(), SW_SHOW);
}

void WorkingStart(TInstallState& state) {
  bde::SystemEngineRegistry engine_registry;
  upgrade::UpgradeLibraryWrappers library;
  upgrade::SystemProbeWin32 probe;
  TWizardContext context{state, engine_registry, library, probe, &RestartWindows};
  const TWizardServices services{&bde::ProductAliasExists, &upgrade::LoadUpgradeLibrary,
                                 &upgrade::AskServerUpgrade};
  const std::unique_ptr<TForm> background(CreateBackgroundWindow());
  Application.SetMainForm(background.get());
  background->Show();
  RunWizard(context, services);
}

// What this program opened of the engine and the upgrade library goes with it.
void ReleaseLibraries() {
  bde::CloseEngine();
  upgrade::UnloadUpgradeLibrary();
}

}  // namespace

int RunStartup(const std::vector<std::string>& arguments) {
  // Every number the program formats uses "." as its decimal separator.
  std::setlocale(LC_NUMERIC, "C");
  const std::vector<std::string> parameters(arguments.begin() + (arguments.empty() ? 0 : 1),
                                            arguments.end());
  DebugEnabled = DebugEnabled || LogRequested(parameters);
  DebugOpen("c:\\vortinst.log", "INSTALL");

  const auto hand_off = ReadHandOffFile(HandOffPath(os::DirectoryOf(os::ProgramPath())));
  if (!hand_off) {
    MediaStart(arguments.empty() ? std::string() : arguments[0]);
    return 0;  // the media start leaves its session without an end line
  }
  TInstallState state;
  state.SourceDir = *hand_off;
  int exit_code = 0;
  try {
    WorkingStart(state);
  } catch (...) {
    // Nothing may leave the program unreported; the end stays orderly.
    Application.HandleException(std::current_exception());
    exit_code = 1;
  }
  ReleaseLibraries();
  DebugClose();
  return exit_code;
}
