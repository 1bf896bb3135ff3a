#include "app/startup.h"

#include <clocale>

#include "app/command_line.h"
#include "app/debug_log.h"

int RunStartup(const std::vector<std::string>& parameters) {
  // Every number the program formats uses "." as its decimal separator.
  std::setlocale(LC_NUMERIC, "C");
  DebugEnabled = DebugEnabled || LogRequested(parameters);
  DebugOpen("c:\\vortinst.log", "INSTALL");
  DebugClose();
  return 0;
}
