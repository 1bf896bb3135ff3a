// A program the tests start: writes its command line to "<its own path>.cmdline" and ends with
// the exit code given as its first argument (0 when there is none or it is not a number).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  char self[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
  if (FILE* f = std::fopen((std::string(self, n) + ".cmdline").c_str(), "wb")) {
    std::fputs(GetCommandLineA(), f);
    std::fclose(f);
  }
  return argc > 1 ? static_cast<int>(std::strtoul(argv[1], nullptr, 0)) : 0;
}
