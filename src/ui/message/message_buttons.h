// The buttons of a message: which are shown, in what order, with which caption, result and name,
// and which one answers Enter and which Esc.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/core/button_kind.h"
#include "ui/message/mesaj_dlg.h"

// Positions 11 and up are never shown.
constexpr int kMessageButtonPositions = 11;

// The kind of the button at `position` (0 to 10) of the button set.
TMButtonKind MessageButtonKind(int position);

struct MessageButton {
  int position;  // bit in the button set
  TMButtonKind kind;
  std::string caption;  // with its "&"
  int modal_result;     // 0: the button does not close the window
  std::string name;     // "Btn" + caption without "&" and spaces
  bool is_default;      // answers Enter and takes the focus
  bool is_cancel;       // answers Esc
};

// The buttons of `buttons` from left to right. Esc: Cancel when No is shown too, else OK when
// Cancel is not shown, else none.
std::vector<MessageButton> MessageButtons(TMsgDlgButtons buttons, uint8_t default_button);

// Two shown buttons with the same caption (No with No to all, All with Yes to all) cannot both be
// named; such a message cannot be built.
bool MessageButtonNamesClash(const std::vector<MessageButton>& buttons);
