// A program an attacker leaves under the name of one the installer might start by its bare name
// (regedit.exe, ProgMan.exe): running it leaves the marker.
#include "planted_marker.h"

int main() {
  LeavePlantedMarker(nullptr);
  return 0;
}
