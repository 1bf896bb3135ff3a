// The arithmetic of the wizard's step machine, apart from the pages it shows.
#pragma once

#include <cstdint>
#include <functional>

#include "state/install_state.h"
#include "state/steps.h"

// The step that follows a page of `state.CurrentStep` closing with `modal_result`; may set
// `state.InstallType` to itServer when `server_upgrade` (asked only on reaching step 9) agrees.
// Throws std::logic_error for a step outside the table.
uint8_t NextStep(int modal_result, TInstallState& state,
                 const std::function<bool()>& server_upgrade);

struct PagePosition {
  int left;
  int top;
};
// Centred horizontally, at eight ninths of the free height.
PagePosition PlacePage(int screen_width, int screen_height, int page_width, int page_height);
