// waitexit FILE COMMAND LINE...: runs the command line as it stands after FILE, waits for the
// program and writes its exit code, a number alone, into FILE. Exits 2 when it cannot start it.
// The wide command line carries names the ANSI code page lacks.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// The command line after its first `count` arguments, as the system splits them.
const wchar_t* SkipArguments(const wchar_t* line, int count) {
  for (int i = 0; i < count; ++i) {
    while (*line == L' ' || *line == L'\t') ++line;
    bool quoted = false;
    while (*line && (quoted || (*line != L' ' && *line != L'\t'))) {
      if (*line == L'"') quoted = !quoted;
      ++line;
    }
  }
  while (*line == L' ' || *line == L'\t') ++line;
  return line;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 3) return 2;
  std::wstring command = SkipArguments(GetCommandLineW(), 2);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return 2;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // The result file is the harness's own, named in ASCII.
  FILE* out = std::fopen(__argv[1], "wb");
  if (!out) return 2;
  std::fprintf(out, "%lu\n", static_cast<unsigned long>(code));
  return std::fclose(out) == 0 ? 0 : 2;
}
