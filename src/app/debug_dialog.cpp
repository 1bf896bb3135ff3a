#include "app/debug_dialog.h"

#include "log/debug_log.h"
#include "ui/message/mesaj_dlg.h"

namespace {

void ShowDebugError(const std::string& text) {
  MesajDlg(text, "", mtWarning, taCenter, kButtonsOK, mbOK, 0);
}

}  // namespace

void InstallDebugDialog() {
  SetDebugErrorReporter(&ShowDebugError);
}
