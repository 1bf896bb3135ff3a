#include "config/config_sys_task.h"

#include <windows.h>

#include "config/config_sys_update.h"
#include "config/registration_commands.h"
#include "log/debug_log.h"
#include "os/run_and_wait.h"
#include "state/install_state.h"
#include "ui/message/mesaj_dlg.h"

namespace config {

bool UpdateConfigSysReported(const std::string& path) {
  ConfigSysOutcome outcome;
  try {
    outcome = UpdateConfigSys(path);
  } catch (...) {
    outcome = ConfigSysOutcome::kUnwritable;
  }
  if (outcome == ConfigSysOutcome::kUpdated) return true;
  DebugNote("Exceptie la actualizare CONFIG.SYS");
  MesajDlg("Eroare la actualizarea config.sys!", "Eroare...", mtError, taCenter, kButtonsCancel,
           mbCancel, 0);
  return false;
}

}  // namespace config

void DoConfigConfigSys(const TInstallState& state) {
  DebugBegin("DoConfigConfigSys");
  WriteProfileStringA("Vortel", "LastUser", "Master");
  config::UpdateConfigSysReported(config::kConfigSysPath);
  os::RunAndWait(config::HhupdCommandLine(state.ProgramDir), os::kShowMinimized);
  os::RunAndWait(config::TregsvrCommandLine(state.ProgramDir), os::kShowMinimized);
  DebugEnd("DoConfigConfigSys");
}
