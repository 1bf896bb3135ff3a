#include "wizard/wizard_steps.h"

#include <stdexcept>

uint8_t NextStep(int modal_result, TInstallState& state,
                 const std::function<bool()>& server_upgrade) {
  int step = state.CurrentStep;
  switch (modal_result) {
    case kPageNext:
      ++step;
      break;
    case kPageAbandon:
      step = kStepFinished;
      break;
    case kPageBack:
      --step;
      break;
    default:
      break;
  }
  if (step < 0 || step >= kStepCount) throw std::logic_error("wizard step out of range");
  if (step == 1) step = 2;
  if (step == 2) step = kStepDirectories;
  if (step == kStepUpgradeCopy && server_upgrade()) state.InstallType = itServer;
  if (step == kStepUpgradeData && state.InstallType == itClient) step = kStepEnd;
  if (step == 11) step = kStepEnd;
  return static_cast<uint8_t>(step);
}

PagePosition PlacePage(int screen_width, int screen_height, int page_width, int page_height) {
  return {(screen_width - page_width) / 2, ((screen_height - page_height) / 9) * 8};
}
