// A second process for the library search tests, since a restricted search lasts as long as the
// process: "restrict NAME" restricts the search as the installer's first line does, "open NAME"
// does not; then the library is loaded by its bare name. Exit code 1 when it loaded, 0 when not,
// 2 when the search could not be restricted.
#include <windows.h>

#include <cstring>

#include "os/trust_boundary.h"

int main(int argc, char** argv) {
  if (argc != 3) return 3;
  if (std::strcmp(argv[1], "restrict") == 0 && !trust::RestrictLibrarySearch()) return 2;
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  return LoadLibraryA(argv[2]) ? 1 : 0;
}
