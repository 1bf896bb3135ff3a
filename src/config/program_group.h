// The third configuration task: the product's program group, created by the shell's DDE server.
#pragma once

#include <string>

#include "state/install_state.h"

// Sends the group commands for the program directory to "ProgMan"; shows "Eroare DDE!" once
// when no server answers, even after an attempt to start it.
void DoConfigGroup(TInstallState& state);

namespace config {

// Who undoes the group a journal line names.
constexpr char kGroupHandler[] = "group";

// The conversation of the task with a given server; true when the commands were handed over.
// The group and its items are journaled once the server answers.
bool SendGroupCommands(const std::string& service, const std::string& program_dir);
// The group's folder with a shortcut for each of its items, in the Start Menu's programs of this
// account or of all users, where the shell keeps the groups Program Manager's commands make.
bool GroupPresent(const std::string& program_dir);
// Makes the program group a run created undoable (Program Manager's DeleteGroup).
void RegisterGroupUndo();

}  // namespace config
