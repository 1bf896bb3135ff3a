#include "bde/configure_engine.h"

#include "bde/alias_list.h"
#include "bde/engine.h"
#include "bde/engine_registration.h"
#include "changes/journal.h"
#include "log/debug_log.h"
#include "state/install_state.h"

void DoConfigBDE(const TInstallState& state) {
  DebugBegin("DoConfigBDE");
  {
    const changes::Scope scope(changes::kScopeEngine);
    bde::RegisterEngineOrCountUser();
  }
  const bde::AliasLists aliases = bde::BuildAliasLists(state.DataDir);
  bde::CreateAliases(aliases.names, aliases.paths);
  DebugEnd("DoConfigBDE");
}
