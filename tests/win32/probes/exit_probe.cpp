// A program the tests start: writes its command line to "<its own path>.cmdline" and its
// current folder to "<its own path>.cwd", and ends with the exit code given as its first
// argument (0 when there is none or it is not a number).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

int main(int argc, char** argv) {
  char self[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
  char folder[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, folder);
  for (const auto& [suffix, text] : {std::pair{".cmdline", GetCommandLineA()}, {".cwd", folder}}) {
    if (FILE* f = std::fopen((std::string(self, n) + suffix).c_str(), "wb")) {
      std::fputs(text, f);
      std::fclose(f);
    }
  }
  return argc > 1 ? static_cast<int>(std::strtoul(argv[1], nullptr, 0)) : 0;
}
