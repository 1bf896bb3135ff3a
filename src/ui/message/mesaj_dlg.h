// The one message dialog through which every message of the system reaches the user.
#pragma once

#include <cstdint>
#include <string>

#include "forms/basic_types.h"

enum TMsgDlgType : uint8_t {
  mtWarning = 0,
  mtError = 1,
  mtInformation = 2,
  mtConfirmation = 3,
  mtCustom = 4,
};

// Button positions in the 16-bit button set.
enum TMsgDlgBtn : uint8_t {
  mbYes = 0,
  mbNo = 1,
  mbOK = 2,
  mbCancel = 3,
  mbAbort = 4,
  mbRetry = 5,
  mbIgnore = 6,
  mbAll = 7,
  mbNoToAll = 8,
  mbYesToAll = 9,
  mbHelp = 10,
};

using TMsgDlgButtons = uint16_t;
constexpr TMsgDlgButtons Btn(TMsgDlgBtn b) {
  return static_cast<TMsgDlgButtons>(1u << b);
}
constexpr TMsgDlgButtons kButtonsOK = Btn(mbOK);
constexpr TMsgDlgButtons kButtonsCancel = Btn(mbCancel);
constexpr TMsgDlgButtons kButtonsOKCancel = Btn(mbOK) | Btn(mbCancel);
constexpr TMsgDlgButtons kButtonsYesNo = Btn(mbYes) | Btn(mbNo);

// Appended to every message while not empty.
extern std::string MessageSuffix;

// While it lives, messages go without the suffix: a question that says itself what to do.
class WithoutMessageSuffix {
 public:
  WithoutMessageSuffix() { saved_.swap(MessageSuffix); }
  ~WithoutMessageSuffix() { saved_.swap(MessageSuffix); }
  WithoutMessageSuffix(const WithoutMessageSuffix&) = delete;
  WithoutMessageSuffix& operator=(const WithoutMessageSuffix&) = delete;

 private:
  std::string saved_;
};

// In the unattended modes no message waits for a person: each one goes to the diagnostic log with
// the answer of its default button, which is returned as if it had been pressed.
void SetMessagesUnattended(bool unattended);
bool MessagesUnattended();

// Shows the dialog and returns the modal result of the button that closed it (0 on failure).
uint16_t MesajDlg(const std::string& msg, const std::string& caption, TMsgDlgType dlg_type,
                  TAlignment alignment, TMsgDlgButtons buttons, uint8_t default_button,
                  int32_t help_ctx);

// A warning with Retry and Cancel, Retry the default; true for Retry. Unattended it answers
// Cancel: nobody mends the fault between two tries.
bool AskRetry(const std::string& text, const std::string& caption);
