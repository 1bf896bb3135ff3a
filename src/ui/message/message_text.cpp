#include "ui/message/message_text.h"

#include "ui/core/ansi_upper.h"

std::string MessageText(std::string_view msg, std::string_view suffix) {
  std::string text(msg);
  if (suffix.empty()) return text;
  text += ",\r\r";
  text += AnsiUpperCase(suffix.substr(0, kMessageSuffixLimit));
  return text;
}
