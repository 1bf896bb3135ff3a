#include "media/upgrade_copy.h"

#include "media/overwrite_rules.h"

namespace media {

bool UpgradeCopy::OnConfirmOverwrite(const std::string& target) {
  const bool program_archive = archive_ && archive_->Destination == 2;
  return ConfirmOverwrite(target, directory_, program_archive);
}

}  // namespace media
