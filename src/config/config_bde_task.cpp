#include "config/config_bde_task.h"

#include "app/debug_log.h"
#include "app/install_state.h"
#include "config/alias_list.h"
#include "config/engine.h"
#include "config/engine_registration.h"

void DoConfigBDE() {
  DebugBegin("DoConfigBDE");
  config::RegisterEngineOrCountUser();
  const config::AliasLists aliases = config::BuildAliasLists(InstallState.DataDir);
  config::CreateAliases(aliases.names, aliases.paths);
  DebugEnd("DoConfigBDE");
}
