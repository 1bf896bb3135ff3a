#include "wizard/fresh/fresh_copy_page.h"

#include "copy/fresh_copy.h"

TCopy::TCopy(TComponent* owner, TInstallState& state, bde::EngineRegistry& registry,
             const copy::MediaManifest* media)
    : TCopyPage(owner, state, media), registry_(registry) {}

int TCopy::RunCopy(copy::ExtractionPort& port) {
  return copy::FreshCopy(state_, *this, port, registry_, media_).Run();
}
