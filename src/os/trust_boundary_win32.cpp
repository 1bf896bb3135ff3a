#include <windows.h>

#include "os/text_encoding.h"
#include "os/trust_boundary.h"

namespace trust {

// --- Programs and libraries ------------------------------------------------------------

namespace {

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

// A function of kernel32 that older Windows lack, looked up so that the program still starts
// there.
template <typename Fn>
Fn Kernel32Function(const char* name) {
  HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
  return kernel32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(kernel32, name)))
                  : nullptr;
}

template <typename Call>
std::string FolderFrom(Call call) {
  wchar_t buffer[MAX_PATH + 1];
  const UINT n = call(buffer, MAX_PATH + 1);
  if (n == 0 || n > MAX_PATH) return {};
  return os::Utf8(std::wstring_view(buffer, n)).value_or(std::string());
}

}  // namespace

bool RestrictLibrarySearch() {
  using SetDefaultFn = BOOL(WINAPI*)(DWORD);
  using SetDirectoryFn = BOOL(WINAPI*)(LPCWSTR);
  if (auto set_default = Kernel32Function<SetDefaultFn>("SetDefaultDllDirectories");
      set_default && set_default(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    return true;
  }
  // The application's folder stays in that search: the elevated copies run from folders only
  // administrators write, the media start from its media.
  auto set_directory = Kernel32Function<SetDirectoryFn>("SetDllDirectoryW");
  return set_directory && set_directory(L"");
}

std::string SystemFolder() {
  return FolderFrom([](wchar_t* buffer, UINT size) { return GetSystemDirectoryW(buffer, size); });
}

std::string WindowsFolder() {
  return FolderFrom(
      [](wchar_t* buffer, UINT size) { return GetSystemWindowsDirectoryW(buffer, size); });
}

void* LoadLibraryByFullPath(const std::string& path) {
  const std::optional<std::wstring> wide = os::Wide(path);
  if (!wide || !IsFullPath(path)) {
    SetLastError(ERROR_BAD_PATHNAME);
    return nullptr;
  }
  return LoadLibraryExW(wide->c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace trust
