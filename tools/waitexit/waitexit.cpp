// waitexit FILE COMMAND LINE...: runs the command line as it stands after FILE, waits for the
// program and writes its exit code, a number alone, into FILE. Exits 2 when it cannot start it.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// The command line after its first `count` arguments, as the system splits them.
const char* SkipArguments(const char* line, int count) {
  for (int i = 0; i < count; ++i) {
    while (*line == ' ' || *line == '\t') ++line;
    bool quoted = false;
    while (*line && (quoted || (*line != ' ' && *line != '\t'))) {
      if (*line == '"') quoted = !quoted;
      ++line;
    }
  }
  while (*line == ' ' || *line == '\t') ++line;
  return line;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 3) return 2;
  std::string command = SkipArguments(GetCommandLineA(), 2);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return 2;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  FILE* out = std::fopen(__argv[1], "wb");
  if (!out) return 2;
  std::fprintf(out, "%lu\n", static_cast<unsigned long>(code));
  return std::fclose(out) == 0 ? 0 : 2;
}
