// The copy of a fresh installation: every archive of the type's selection, the database engine
// into its own directory unless one is installed.
#pragma once

#include "bde/engine_directory.h"
#include "copy/copy_controller.h"

namespace copy {

class FreshCopy : public CopyController {
 public:
  FreshCopy(TInstallState& state, CopyHost& host, ExtractionPort& port,
            bde::EngineRegistry& registry)
      : CopyController(state, host, port, kFreshSelection), registry_(registry) {}

 protected:
  std::optional<std::string> DestinationOf(const TCompRecord& archive) override;

 private:
  bde::EngineRegistry& registry_;
};

}  // namespace copy
