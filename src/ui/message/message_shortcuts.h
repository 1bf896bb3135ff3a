// The two mouse shortcuts of message windows: three clicks on the icon switch on (or off) the
// automatic dismissal of later messages, which then close or press their default button by
// themselves on the second tick of a timer.
#pragma once

// Process-wide switches, 0 until an icon shortcut toggles them.
struct AutoDismissSwitches {
  int close_single = 0;   // one-button messages close themselves
  int press_default = 0;  // messages with buttons press their default
};

enum class AutoDismissal { kNone, kCloseSingle, kPressDefault };

struct AutoDismissPlan {
  AutoDismissal action = AutoDismissal::kNone;
  int period_ms = 0;
  int initial_tag = 0;  // ticks to let pass before acting
};
// What a message with `button_count` buttons arms when it is shown; nothing without a main form
// to carry the timer.
AutoDismissPlan PlanAutoDismissal(const AutoDismissSwitches& switches, int button_count,
                                  bool has_main_form);

// One timer tick: true when the action is due now (the tag has run down), else the tag counts
// down.
bool AutoDismissTick(int& tag);

enum class IconClickAction { kNone, kPressDefault, kCloseWithIgnore };
// A left (or middle) click on the icon of a message: counts it and, from the third click on,
// toggles the switch that fits the message and says what the window does now.
IconClickAction OnMessageIconClick(int& click_counter, int button_count, bool has_default,
                                   AutoDismissSwitches& switches);
