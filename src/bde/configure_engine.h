// The first configuration task: the database engine and the product's aliases.
#pragma once

#include "state/install_state.h"

// Registers the engine or counts one more user of it, then creates the four aliases under the
// data directory. A registry or template failure escapes as std::runtime_error; alias failures
// are silent.
void DoConfigBDE(const TInstallState& state);
