#include <windows.h>

#include <cstdlib>

#include "app/debug_dialog.h"
#include "app/startup.h"
#include "log/debug_log.h"
#include "ui/toolkit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  DebugInitialize();
  StartToolkit();
  InstallDebugDialog();
  std::vector<std::string> arguments;
  for (int i = 0; i < __argc; ++i) arguments.emplace_back(__argv[i]);
  const int exit_code = RunStartup(arguments);
  StopToolkit();
  return exit_code;
}
