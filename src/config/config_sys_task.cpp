#include "config/config_sys_task.h"

#include <windows.h>

#include "app/debug_log.h"
#include "app/install_state.h"
#include "config/config_sys_update.h"
#include "config/registration_commands.h"
#include "config/run_and_wait.h"
#include "ui/mesaj_dlg.h"

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

void DoConfigConfigSys() {
  DebugBegin("DoConfigConfigSys");
  WriteProfileStringA("Vortel", "LastUser", "Master");
  config::UpdateConfigSysReported(config::kConfigSysPath);
  config::RunAndWait(config::HhupdCommandLine(InstallState.ProgramDir), config::kShowMinimized);
  config::RunAndWait(config::TregsvrCommandLine(InstallState.ProgramDir), config::kShowMinimized);
  DebugEnd("DoConfigConfigSys");
}
