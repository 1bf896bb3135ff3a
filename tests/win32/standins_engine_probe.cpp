// A second process for the engine tests: "probe ENGINE_DLL ALIAS" opens the alias through the
// engine at that path and exits with the engine's result (0 when the database opened).
#include <windows.h>

#include "support/standin_engine.h"

int main(int argc, char** argv) {
  if (argc != 3) return 1000;
  HMODULE engine = LoadLibraryA(argv[1]);
  if (engine == nullptr) return 1001;
  const testing_support::EngineEntries dbi(engine);
  if (!dbi.Complete() || dbi.init(500, nullptr) != 0) return 1002;
  const DWORD result = dbi.OpenAndClose(argv[2]);
  dbi.exit();
  FreeLibrary(engine);
  return static_cast<int>(result);
}
