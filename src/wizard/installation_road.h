// Which road the run takes: an upgrade when an installation of the product is found, by its
// database alias or, when another program removed that alias, by the product's own entry.
#pragma once

#include <string>

#include "state/install_state.h"
#include "upgrade/system_probe.h"
#include "wizard/wizard_context.h"

struct TInstallationFound {
  bool found = false;
  // Where the alias "VORTEL" is to be put back; empty when it opens.
  std::string alias_path;
};

// Changes nothing; the log says why an entry without an alias was not taken.
TInstallationFound FindInstallation(const TWizardServices& services, upgrade::SystemProbe& probe);

// Puts the alias "VORTEL" back at the installation's `path`, journaled so that undoing the run
// removes it again. False, with the reason in the state's failures, when it does not open after.
bool RestoreProductAlias(TInstallState& state, const std::string& path);
