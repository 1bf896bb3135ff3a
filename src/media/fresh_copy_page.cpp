#include "media/fresh_copy_page.h"

#include "app/wizard_steps.h"
#include "media/engine_registry_win32.h"
#include "media/fresh_copy.h"

TCopy::TCopy(TComponent* owner)
    : TCopyPage(owner, kStepCopy),
      own_registry_(std::make_unique<media::SystemEngineRegistry>()),
      registry_(*own_registry_) {}

TCopy::TCopy(TComponent* owner, media::EngineRegistry& registry)
    : TCopyPage(owner, kStepCopy), registry_(registry) {}

TCopy::~TCopy() = default;

int TCopy::RunCopy(media::ExtractionPort& port) {
  return media::FreshCopy(*this, port, registry_).Run();
}
