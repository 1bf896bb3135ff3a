#include "copy/fresh_copy.h"

#include "changes/journal.h"

namespace copy {

std::optional<SpaceShortage> FreshSpaceShortage(const TInstallState& planned,
                                                const MediaManifest& media,
                                                bde::EngineRegistry& registry) {
  return FindSpaceShortage(planned, kFreshSelection, media,
                           bde::PlannedEngineDirectory(registry, planned.OldEngineFound));
}

std::optional<std::string> FreshCopy::DestinationOf(const TCompRecord& archive) {
  if (archive.Destination != kDestinationEngine) {
    return ProductDestination(state_, archive.Destination);
  }
  const changes::Scope scope(changes::kScopeEngine);
  const bde::EngineDirectoryChoice choice =
      bde::ChooseEngineDirectory(registry_, state_.OldEngineFound);
  if (choice.warn_old_engine) {
    host_.SetMessageSuffix(bde::kOldEngineSuffix);
    host_.ShowWarning(bde::kOldEngineWarning);
    host_.SetMessageSuffix(bde::kContinueSuffix);
  }
  if (!choice.error.empty()) {
    state_.Failures.push_back(choice.error);
    host_.ShowError(choice.error);
  }
  return choice.directory;
}

}  // namespace copy
