// The wizard: prepares the run, then shows the page of each step until the step becomes 7.
#pragma once

#include "wizard/wizard_context.h"
#include "wizard/wizard_pages.h"

// Unpacks UPGRADE.ZIP beside the program on the upgrade road and removes it on both. On the
// upgrade road an archive that is not the one a signed manifest names is not unpacked: the text
// says so; empty otherwise.
std::string PrepareUpgradeArchive(const TInstallState& state, const copy::MediaManifest* media);

// Upgrade media carry neither the engine nor the data: they cannot install the product where no
// installation is found. The text says so; empty when the media serve the road.
std::string MediaRefusal(const TWizardContext& context);

// Returns the run's exit code.
int RunWizard(TWizardContext& context, const TWizardServices& services,
              const TPageTable& pages = WizardPages());
