#include "ui/message/message_kind.h"

std::string_view DefaultMessageCaption(TMsgDlgType type) {
  switch (type) {
    case mtWarning:
      return "Atentie !";
    case mtError:
      return "EROARE !";
    case mtInformation:
      return "Informatie...";
    case mtConfirmation:
      return "Confirmare...";
    case mtCustom:
      break;
  }
  return {};
}

std::string_view MessageIconName(TMsgDlgType type) {
  switch (type) {
    case mtWarning:
      return "Warning";
    case mtError:
      return "Error";
    case mtInformation:
      return "Information";
    case mtConfirmation:
      return "Confirmation";
    case mtCustom:
      break;
  }
  return {};
}
