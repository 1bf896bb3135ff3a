#include "ui/message/message_buttons.h"

#include <array>
#include <set>

namespace {

constexpr std::array<TMButtonKind, kMessageButtonPositions> kPositionKinds{
    mkYes, mkNo, mkOK, mkCancel, mkAbort, mkRetry, mkIgnore, mkAll, mkNo, mkAll, mkHelp};

std::string ButtonName(std::string_view caption) {
  std::string name = "Btn";
  for (char c : caption) {
    if (c != '&' && c != ' ') name += c;
  }
  return name;
}

bool Has(TMsgDlgButtons buttons, TMsgDlgBtn b) {
  return (buttons & Btn(b)) != 0;
}

}  // namespace

TMButtonKind MessageButtonKind(int position) {
  return position >= 0 && position < kMessageButtonPositions ? kPositionKinds[position] : mkCustom;
}

std::vector<MessageButton> MessageButtons(TMsgDlgButtons buttons, uint8_t default_button) {
  int cancel_position = -1;
  if (Has(buttons, mbNo) && Has(buttons, mbCancel)) {
    cancel_position = mbCancel;
  } else if (Has(buttons, mbOK) && !Has(buttons, mbCancel)) {
    cancel_position = mbOK;
  }
  std::vector<MessageButton> out;
  for (int i = 0; i < kMessageButtonPositions; ++i) {
    if ((buttons & (1u << i)) == 0) continue;
    const TMButtonKind kind = kPositionKinds[i];
    const std::string caption(KindCaption(kind));
    out.push_back({i, kind, caption, KindModalResult(kind), ButtonName(caption),
                   i == default_button, i == cancel_position});
  }
  return out;
}

bool MessageButtonNamesClash(const std::vector<MessageButton>& buttons) {
  std::set<std::string> names;
  for (const MessageButton& b : buttons) {
    if (!names.insert(b.name).second) return true;
  }
  return false;
}
