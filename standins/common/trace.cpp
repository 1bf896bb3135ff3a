#include "common/trace.h"

namespace standin {

HMODULE ThisModule() {
  HMODULE module = nullptr;
  // Each stand-in links its own copy of this library: the function's address is inside it.
  GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

namespace {

// The module's path in the ANSI code page, as Windows gives it to a program started by its short
// name: Wine gives the long one, whose characters the code page may lack.
std::string AnsiModulePath(HMODULE module) {
  wchar_t wide[MAX_PATH];
  DWORD n = GetModuleFileNameW(module, wide, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::string();
  char path[MAX_PATH * 2];
  BOOL lost = FALSE;
  int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, static_cast<int>(n), path,
                                   sizeof path, nullptr, &lost);
  if (lost) {
    wchar_t short_form[MAX_PATH];
    n = GetShortPathNameW(wide, short_form, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return std::string();
    length = WideCharToMultiByte(CP_ACP, 0, short_form, static_cast<int>(n), path, sizeof path,
                                 nullptr, nullptr);
  }
  return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

}  // namespace

std::string ModuleDirectory(HMODULE module) {
  const std::string p = AnsiModulePath(module);
  if (p.empty()) return p;
  return p.substr(0, p.find_last_of('\\') + 1);
}

std::string ModuleName(HMODULE module) {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::string();
  std::string p(path, n);
  return p.substr(p.find_last_of('\\') + 1);
}

std::string CurrentDirectory() {
  char path[MAX_PATH];
  const DWORD n = GetCurrentDirectoryA(MAX_PATH, path);
  return n == 0 || n >= MAX_PATH ? std::string() : std::string(path, n);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string content;
  char buffer[4096];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != 0) && got > 0)
    content.append(buffer, got);
  CloseHandle(file);
  if (!ok) return std::nullopt;
  return content;
}

bool AppendToFile(const std::string& path, const std::string& text) {
  // FILE_APPEND_DATA alone makes every write land at the end, even with concurrent writers.
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
      written == text.size();
  CloseHandle(file);
  return ok;
}

bool RecordStart(const std::string& trace_path) {
  return AppendToFile(trace_path,
                      std::string(GetCommandLineA()) + "\t" + CurrentDirectory() + "\r\n");
}

}  // namespace standin
