// What the pages of one run share: the installation state and the parts of the system behind
// their decisions. The start-up owns them for the run; tests put their own in their place.
#pragma once

#include <functional>

#include "bde/engine_directory.h"
#include "copy/media_manifest.h"
#include "copy/signed_media.h"
#include "state/install_state.h"
#include "upgrade/system_probe.h"
#include "upgrade/upgrade_library_port.h"
#include "wizard/restart_request.h"

struct TWizardContext {
  TInstallState& state;
  bde::EngineRegistry& engine_registry;
  upgrade::UpgradeLibraryPort& library;
  upgrade::SystemProbe& probe;
  TRestartRequest restart;
  // What the media say of themselves; nothing for media without a manifest. Set from
  // `media_reader` when the run proves its media (tests set it themselves).
  const copy::MediaManifest* media = nullptr;
  copy::SignedMedia* media_reader = nullptr;
};

// What the driver asks of the system before and between the pages.
struct TWizardServices {
  std::function<bool()> installation_found;    // the product's alias opens
  std::function<bool()> load_upgrade_library;  // UPGRADE.DLL beside the program
  // The question asked on entering the upgrade copy.
  std::function<bool(const TInstallState&)> server_upgrade;
};
