// A library an attacker leaves under the name of one the installer might load (MSIMG32.DLL,
// IDAPI32.DLL): loading it leaves the marker. Its exports pass msimg32's functions on to gdi32,
// so that a program that loads it in msimg32's place goes on working, as an attacker would want.
#include "planted_marker.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) LeavePlantedMarker(self);
  return TRUE;
}
