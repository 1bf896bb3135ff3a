// Stand-in for the product's help updater: it only records how it was started.
#include <windows.h>

#include "common/trace.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return standin::RecordStart(standin::ModuleDirectory(nullptr) + "HHUPD.TRC") ? 0 : 1;
}
