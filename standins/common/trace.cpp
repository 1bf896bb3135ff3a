#include "common/trace.h"

namespace standin {

std::string ModuleDirectory(HMODULE module) {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return std::string();
  std::string p(path, n);
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
