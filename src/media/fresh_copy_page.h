// The copy page of a fresh installation: every archive of the installation type, the database
// engine into its own directory unless one is installed already.
#pragma once

#include <memory>

#include "media/copy_page.h"
#include "media/engine_directory.h"

class TCopy : public TCopyPage {
 public:
  // The engine's place as the machine's registry records it.
  explicit TCopy(TComponent* owner);
  // The engine's place as `registry` records it; it must outlive the page.
  TCopy(TComponent* owner, media::EngineRegistry& registry);
  ~TCopy() override;

 protected:
  int RunCopy(media::ExtractionPort& port) override;

 private:
  std::unique_ptr<media::EngineRegistry> own_registry_;
  media::EngineRegistry& registry_;
};
