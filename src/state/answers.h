// What an administrator decides for an installation ahead of time, from the switches and the
// answer file; what a person chose, to be written as an answer file.
#pragma once

#include <optional>
#include <string>

#include "state/install_state.h"

struct TAnswers {
  std::optional<TInstallType> type;
  std::optional<std::string> program_dir;
  std::optional<std::string> data_dir;
  // A CLIENT's server database directory.
  std::optional<std::string> database;
  // The upgrade of a CLIENT also upgrades the server's database.
  std::optional<bool> server_database;
  // Restart Windows at the end when the installation needs it.
  std::optional<bool> restart_if_needed;
  // The folders the installer makes keep the rights they inherit, as older releases left them.
  std::optional<bool> inherit_permissions;
  // Media without the publisher's signature (older releases) may install.
  std::optional<bool> allow_unsigned;
};

// What is set in `over` replaces what `base` says.
TAnswers MergeAnswers(const TAnswers& base, const TAnswers& over);
