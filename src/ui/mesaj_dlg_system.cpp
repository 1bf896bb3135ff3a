// Interim message dialog over the system message box, with the same signature and results.
#include <windows.h>

#include "ui/mesaj_dlg.h"
#include "ui/message_kind.h"
#include "ui/message_text.h"

std::string MessageSuffix;

uint16_t MesajDlg(const std::string& msg, const std::string& caption, TMsgDlgType dlg_type,
                  TAlignment, TMsgDlgButtons buttons, uint8_t default_button, int32_t) {
  const std::string text = MessageText(msg, MessageSuffix);
  UINT style = MB_TASKMODAL | MB_SETFOREGROUND;
  if ((buttons & kButtonsYesNo) == kButtonsYesNo) {
    style |= MB_YESNO | (default_button == mbNo ? MB_DEFBUTTON2 : 0);
  } else if ((buttons & kButtonsOKCancel) == kButtonsOKCancel) {
    style |= MB_OKCANCEL | (default_button == mbCancel ? MB_DEFBUTTON2 : 0);
  } else {
    style |= MB_OK;
  }
  switch (dlg_type) {
    case mtError:
      style |= MB_ICONERROR;
      break;
    case mtWarning:
      style |= MB_ICONWARNING;
      break;
    case mtInformation:
      style |= MB_ICONINFORMATION;
      break;
    case mtConfirmation:
      style |= MB_ICONQUESTION;
      break;
    default:
      break;
  }
  const std::string title =
      caption.empty() ? std::string(DefaultMessageCaption(dlg_type)) : caption;
  const int r = MessageBoxA(GetActiveWindow(), text.c_str(), title.c_str(), style);
  // A lone Cancel button shows as OK in the system box; answer as the dialog would.
  if (r == IDOK && buttons == kButtonsCancel) return mrCancel;
  return r > 0 ? static_cast<uint16_t>(r) : 0;
}
