#include <windows.h>

#include <cstdlib>

#include "app/debug_dialog.h"
#include "app/debug_log.h"
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  DebugInitialize();
  InstallDebugDialog();
  std::vector<std::string> arguments;
  for (int i = 0; i < __argc; ++i) arguments.emplace_back(__argv[i]);
  return RunStartup(arguments);
}
