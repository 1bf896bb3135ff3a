// The copy of a fresh installation: every archive of the type's selection, the database engine
// into its own directory unless one is installed.
#pragma once

#include "bde/engine_directory.h"
#include "copy/copy_controller.h"

namespace copy {

// The first drive a fresh installation into the directories of `planned` does not fit on.
std::optional<SpaceShortage> FreshSpaceShortage(const TInstallState& planned,
                                                const MediaManifest& media,
                                                bde::EngineRegistry& registry);

class FreshCopy : public CopyController {
 public:
  FreshCopy(TInstallState& state, CopyHost& host, ExtractionPort& port,
            bde::EngineRegistry& registry, const MediaManifest* media)
      : CopyController(state, host, port, kFreshSelection, media), registry_(registry) {}

 protected:
  std::optional<std::string> DestinationOf(const TCompRecord& archive) override;
  std::optional<std::string> PlannedEngineDirectory() const override {
    return bde::PlannedEngineDirectory(registry_, state_.OldEngineFound);
  }

 private:
  bde::EngineRegistry& registry_;
};

}  // namespace copy
