// The copy page of a fresh installation: every archive of the installation type, the database
// engine into its own directory unless one is installed already.
#pragma once

#include "bde/engine_directory.h"
#include "wizard/copy_page.h"

class TCopy : public TCopyPage {
 public:
  // The engine's place as `registry` records it; it must outlive the page.
  TCopy(TComponent* owner, TInstallState& state, bde::EngineRegistry& registry,
        const copy::MediaManifest* media = nullptr);

 protected:
  int RunCopy(copy::ExtractionPort& port) override;

 private:
  bde::EngineRegistry& registry_;
};
