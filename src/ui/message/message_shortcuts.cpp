#include "ui/message/message_shortcuts.h"

namespace {

constexpr int kTickMilliseconds = 300;

int Toggled(int value) {
  return value == 0 ? 1 : 0;
}

}  // namespace

AutoDismissPlan PlanAutoDismissal(const AutoDismissSwitches& s, int button_count,
                                  bool has_main_form) {
  if (!has_main_form) return {};
  if (s.close_single != 0 && button_count == 1)
    return {AutoDismissal::kCloseSingle, s.close_single * kTickMilliseconds, 1};
  if (s.press_default != 0 && button_count >= 1)
    return {AutoDismissal::kPressDefault, s.press_default * kTickMilliseconds, 1};
  return {};
}

bool AutoDismissTick(int& tag) {
  if (tag != 0) {
    --tag;
    return false;
  }
  return true;
}

IconClickAction OnMessageIconClick(int& click_counter, int button_count, bool has_default,
                                   AutoDismissSwitches& s) {
  if (++click_counter < 3) return IconClickAction::kNone;
  if (button_count >= 2) {
    s.press_default = Toggled(s.press_default);
    return has_default ? IconClickAction::kPressDefault : IconClickAction::kNone;
  }
  s.close_single = Toggled(s.close_single);
  return IconClickAction::kCloseWithIgnore;
}
