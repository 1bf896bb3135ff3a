#include "copy/upgrade_copy.h"

#include "copy/overwrite_rules.h"

namespace copy {

bool UpgradeCopy::OnConfirmOverwrite(const std::string& target) {
  const bool program_archive = archive_ && archive_->Destination == kDestinationProgram;
  return ConfirmOverwrite(target, directory_, program_archive);
}

}  // namespace copy
