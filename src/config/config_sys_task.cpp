#include "config/config_sys_task.h"

#include <windows.h>

#include "changes/system_win32.h"
#include "config/config_sys_update.h"
#include "config/registration_commands.h"
#include "log/debug_log.h"
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
  changes::RunProgram(config::HhupdCommandLine(state.ProgramDir), os::kShowMinimized);
  changes::RunProgram(config::TregsvrCommandLine(state.ProgramDir), os::kShowMinimized);
  DebugEnd("DoConfigConfigSys");
}
