#include "bde/configure_engine.h"

#include <stdexcept>

#include "bde/alias_list.h"
#include "bde/engine.h"
#include "bde/engine_registration.h"
#include "changes/journal.h"
#include "log/debug_log.h"
#include "state/install_state.h"
#include "state/test_stop.h"

void DoConfigBDE(const TInstallState& state) {
  DebugBegin("DoConfigBDE");
  {
    const changes::Scope scope(changes::kScopeEngine);
    bde::RegisterEngineOrCountUser();
  }
  if (!TestStop("engine")) throw std::runtime_error(TestStopText("engine"));
  const bde::AliasLists aliases = bde::BuildAliasLists(state.DataDir);
  bde::CreateAliases(aliases.names, aliases.paths);
  if (!TestStop("aliases")) throw std::runtime_error(TestStopText("aliases"));
  DebugEnd("DoConfigBDE");
}
