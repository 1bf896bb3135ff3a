// The third configuration task: the product's program group, created by the shell's DDE server.
#pragma once

#include <string>

#include "state/install_state.h"

// Sends the group commands for the program directory to "ProgMan"; shows "Eroare DDE!" once
// when no server answers, even after an attempt to start it.
void DoConfigGroup(const TInstallState& state);

namespace config {

// The conversation of the task with a given server; true when the commands were handed over.
bool SendGroupCommands(const std::string& service, const std::string& program_dir);

}  // namespace config
