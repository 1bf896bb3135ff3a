#include "upgrade/server_question_win32.h"

#include "ui/message/mesaj_dlg.h"
#include "upgrade/server_question.h"

namespace upgrade {

namespace {

class MessageDialogQuestion : public QuestionHost {
 public:
  void SetMessageSuffix(const std::string& suffix) override { MessageSuffix = suffix; }
  int AskYesNo(const std::string& text, const std::string& caption) override {
    return MesajDlg(text, caption, mtConfirmation, taCenter, kButtonsYesNo, mbNo, 0);
  }
};

}  // namespace

bool AskServerUpgrade(const TInstallState& state) {
  MessageDialogQuestion host;
  return ServerUpgradeQuestion(state, host);
}

}  // namespace upgrade
