#include <windows.h>

#include <cstdlib>

#include "app/debug_dialog.h"
#include "app/debug_log.h"
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  DebugInitialize();
  InstallDebugDialog();
  std::vector<std::string> parameters;
  for (int i = 1; i < __argc; ++i) parameters.emplace_back(__argv[i]);
  return RunStartup(parameters);
}
