// The copy of a fresh installation: every archive of the type's selection, the database engine
// into its own directory unless one is installed.
#pragma once

#include "media/copy_controller.h"
#include "media/engine_directory.h"

namespace media {

class FreshCopy : public CopyController {
 public:
  FreshCopy(CopyHost& host, ExtractionPort& port, EngineRegistry& registry)
      : CopyController(host, port, kFreshSelection), registry_(registry) {}

 protected:
  std::optional<std::string> DestinationOf(const TCompRecord& archive) override;

 private:
  EngineRegistry& registry_;
};

}  // namespace media
