#include "config/config_sys_task.h"

#include <windows.h>

#include "changes/system_win32.h"
#include "config/config_sys_update.h"
#include "config/control_registration.h"
#include "config/registration_commands.h"
#include "config/stopped_for_test.h"
#include "log/debug_log.h"
#include "os/ansi_code_page.h"
#include "os/run_and_wait.h"
#include "state/install_state.h"
#include "ui/message/mesaj_dlg.h"

namespace config {

ConfigSysOutcome UpdateConfigSysReported(const std::string& path) {
  ConfigSysOutcome outcome;
  try {
    outcome = UpdateConfigSys(path);
  } catch (...) {
    outcome = ConfigSysOutcome::kUnwritable;
  }
  if (outcome == ConfigSysOutcome::kUpdated || outcome == ConfigSysOutcome::kUnchanged) {
    return outcome;
  }
  DebugNote("Exceptie la actualizare CONFIG.SYS");
  MesajDlg(kConfigSysFailure, "Eroare...", mtError, taCenter, kButtonsCancel, mbCancel, 0);
  return outcome;
}

}  // namespace config

void DoConfigConfigSys(TInstallState& state) {
  DebugBegin("DoConfigConfigSys");
  changes::SetProfileString("Vortel", "LastUser", "Master");
  if (config::StoppedForTest(state, "winini")) return DebugEnd("DoConfigConfigSys");
  switch (config::UpdateConfigSysReported(config::kConfigSysPath)) {
    case config::ConfigSysOutcome::kUpdated:
      state.RestartNeeded = true;
      break;
    case config::ConfigSysOutcome::kUnchanged:
      break;
    default:
      state.Failures.push_back(config::kConfigSysFailure);
      break;
  }
  if (config::StoppedForTest(state, "configsys")) return DebugEnd("DoConfigConfigSys");
  // The registration programs read their command lines in the ANSI code page.
  const std::string program_dir = os::AnsiPathForm(state.ProgramDir).value_or(state.ProgramDir);
  changes::RunProgram(config::HhupdCommandLine(program_dir), os::kShowMinimized);
  config::RegisterControl(program_dir);
  DebugEnd("DoConfigConfigSys");
}
