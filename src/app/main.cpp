#include <windows.h>

#include <cstdlib>

#include "app/debug_dialog.h"
#include "app/startup.h"
#include "log/debug_log.h"
#include "os/os.h"
#include "os/trust_boundary.h"
#include "ui/toolkit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Before anything may load a library: the folders a user can write are searched no more.
  trust::RestrictLibrarySearch();
  DebugInitialize();
  StartToolkit();
  InstallDebugDialog();
  std::string error;
  const std::optional<std::vector<std::string>> arguments =
      os::ProgramArguments(__argc, __argv, &error);
  const int exit_code = arguments ? RunStartup(*arguments) : RefuseCommandLine(error);
  StopToolkit();
  return exit_code;
}
