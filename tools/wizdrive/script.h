// The driver's script: one action a line, "#" starts a comment outside quotes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wizdrive {

enum class Verb {
  kWaitWindow,    // wait-window TEXT
  kWaitText,      // wait-text TEXT
  kWaitGone,      // wait-gone TEXT
  kClick,         // click CAPTION
  kClickMouse,    // click-mouse CAPTION
  kClickAt,       // click-at X Y
  kType,          // type FIELD TEXT
  kKey,           // key NAME
  kExpectText,    // expect-text TEXT
  kExpectField,   // expect-field FIELD TEXT
  kExpectLayout,  // expect-layout
  kDump,          // dump
  kShot,          // shot NAME [window]
  kWaitExit,      // wait-exit PROGRAM
  kDisk,          // disk N
  kTimeout,       // timeout SECONDS
  kSleep,         // sleep SECONDS
  kEcho,          // echo TEXT
  kClose,         // close
};

// A key and the modifiers held while it is pressed; codes are Windows virtual-key codes.
struct Key {
  uint8_t code = 0;
  bool alt = false;
  bool ctrl = false;
  bool shift = false;
};

// An edit field named by its position (1 = first edit of the window) or by the text before it.
struct Field {
  int index = 0;  // 0 when named by label
  std::string label;
};

struct Action {
  int line = 0;
  std::string source;  // the line as written, for messages
  Verb verb = Verb::kEcho;
  std::string text;           // the text, caption, program or file name
  Field field;                // type, expect-field
  Key key;                    // key
  int x = 0, y = 0;           // click-at; disk number in x
  int milliseconds = 0;       // timeout, sleep
  bool whole_window = false;  // shot NAME window
};

struct Script {
  std::vector<Action> actions;
  std::string error;  // "line N: ..." for the first line that cannot be read
};

Script ParseScript(std::string_view text);

// "ENTER", "ESC", "TAB", "F4", "A", "ALT+C", "CTRL+SHIFT+TAB" ...; false for an unknown name.
bool ParseKey(std::string_view name, Key* key);

// A name that stays inside the screenshot folder: letters, digits, "-", "_" and inner dots.
bool IsSafeShotName(std::string_view name);

}  // namespace wizdrive
