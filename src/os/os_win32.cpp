#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "os/os.h"
#include "os/os_win32.h"
#include "os/text_encoding.h"

namespace os {

namespace {

HANDLE H(intptr_t h) {
  return reinterpret_cast<HANDLE>(h);
}

// Paths from this long on need the long form: CreateDirectoryW leaves room for an 8.3 name
// within MAX_PATH, so that a directory path stops 12 characters short of it.
constexpr size_t kLongFormFrom = MAX_PATH - 12;

bool IsDriveAbsolute(const std::wstring& path) {
  return path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
}

bool IsUnc(const std::wstring& path) {
  return path.size() > 2 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'?' &&
         path[2] != L'.';
}

}  // namespace

std::optional<std::wstring> SystemPath(const std::string& path) {
  std::optional<std::wstring> wide = Wide(path);
  if (!wide) {
    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return std::nullopt;
  }
  if (wide->size() < kLongFormFrom || !(IsDriveAbsolute(*wide) || IsUnc(*wide))) return wide;
  // The long form is taken as it is written: dots and doubled separators are resolved first.
  const DWORD needed = GetFullPathNameW(wide->c_str(), 0, nullptr, nullptr);
  if (needed == 0) return wide;
  std::wstring full(needed, L'\0');
  const DWORD n = GetFullPathNameW(wide->c_str(), needed, full.data(), nullptr);
  if (n == 0 || n >= needed) return wide;
  full.resize(n);
  if (IsUnc(full)) return L"\\\\?\\UNC" + full.substr(1);
  if (IsDriveAbsolute(full)) return L"\\\\?\\" + full;
  return wide;
}

File File::Open(const std::string& path, OpenMode mode) {
  DWORD access = GENERIC_READ;
  DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  DWORD disposition = OPEN_EXISTING;
  switch (mode) {
    case OpenMode::kRead:
      break;
    case OpenMode::kCreate:
      access = GENERIC_READ | GENERIC_WRITE;
      share = FILE_SHARE_READ;
      disposition = CREATE_ALWAYS;
      break;
    case OpenMode::kCreateNew:
      access = GENERIC_READ | GENERIC_WRITE;
      share = FILE_SHARE_READ;
      disposition = CREATE_NEW;
      break;
    case OpenMode::kReadWrite:
    case OpenMode::kAppend:
      access = GENERIC_READ | GENERIC_WRITE;
      share = FILE_SHARE_READ;
      break;
  }
  File f;
  const std::optional<std::wstring> name = SystemPath(path);
  if (!name) return f;
  HANDLE h = CreateFileW(name->c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) return f;
  f.handle_ = reinterpret_cast<intptr_t>(h);
  if (mode == OpenMode::kAppend &&
      SetFilePointer(h, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
      GetLastError() != NO_ERROR) {
    f.Close();
  }
  return f;
}

int32_t File::Read(void* buffer, uint32_t count) {
  DWORD done = 0;
  if (!ReadFile(H(handle_), buffer, count, &done, nullptr)) return -1;
  return static_cast<int32_t>(done);
}

int32_t File::Write(const void* buffer, uint32_t count) {
  DWORD done = 0;
  if (!WriteFile(H(handle_), buffer, count, &done, nullptr)) return -1;
  return static_cast<int32_t>(done);
}

bool File::Seek(int64_t position) {
  LARGE_INTEGER to;
  to.QuadPart = position;
  return SetFilePointerEx(H(handle_), to, nullptr, FILE_BEGIN) != 0;
}

int64_t File::Position() {
  LARGE_INTEGER zero{}, at{};
  if (!SetFilePointerEx(H(handle_), zero, &at, FILE_CURRENT)) return -1;
  return at.QuadPart;
}

int64_t File::Size() {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(H(handle_), &size)) return -1;
  return size.QuadPart;
}

bool File::Truncate() {
  return SetEndOfFile(H(handle_)) != 0;
}

bool File::Flush() {
  return FlushFileBuffers(H(handle_)) != 0;
}

bool File::SetDosTime(uint16_t dos_date, uint16_t dos_time) {
  FILETIME local, utc;
  if (!DosDateTimeToFileTime(dos_date, dos_time, &local)) return false;
  if (!LocalFileTimeToFileTime(&local, &utc)) return false;
  return SetFileTime(H(handle_), nullptr, nullptr, &utc) != 0;
}

bool File::Close() {
  if (handle_ == kInvalid) return true;
  const bool ok = CloseHandle(H(handle_)) != 0;
  handle_ = kInvalid;
  return ok;
}

bool IsRemovableDrive(const std::string& root) {
  // Only a drive root may count: anything else would be asked about the current directory.
  if (root.size() != 3 || root[1] != ':' || root[2] != '\\') return false;
  const std::optional<std::wstring> name = Wide(root);
  return name && GetDriveTypeW(name->c_str()) == DRIVE_REMOVABLE;
}

namespace {

DWORD Attributes(const std::string& path) {
  const std::optional<std::wstring> name = SystemPath(path);
  return name ? GetFileAttributesW(name->c_str()) : INVALID_FILE_ATTRIBUTES;
}

bool AttributeData(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data) {
  const std::optional<std::wstring> name = SystemPath(path);
  return name && GetFileAttributesExW(name->c_str(), GetFileExInfoStandard, &data);
}

// A system call over one path; false when the path is no text or the call fails.
template <typename Call>
bool OnPath(const std::string& path, Call call) {
  const std::optional<std::wstring> name = SystemPath(path);
  return name && call(name->c_str()) != 0;
}

template <typename Call>
bool OnPaths(const std::string& first, const std::string& second, Call call) {
  const std::optional<std::wstring> one = SystemPath(first), two = SystemPath(second);
  return one && two && call(one->c_str(), two->c_str()) != 0;
}

}  // namespace

bool FileExists(const std::string& path) {
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<uint32_t> GetAttributes(const std::string& path) {
  const DWORD a = Attributes(path);
  if (a == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return a;
}

bool SetAttributes(const std::string& path, uint32_t attributes) {
  return OnPath(path, [attributes](const wchar_t* p) { return SetFileAttributesW(p, attributes); });
}

bool RemoveFile(const std::string& path) {
  return OnPath(path, DeleteFileW);
}

bool MoveReplace(const std::string& source, const std::string& target) {
  return OnPaths(source, target, [](const wchar_t* from, const wchar_t* to) {
    return MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  });
}

bool MakeDirectory(const std::string& path) {
  return OnPath(path, [](const wchar_t* p) { return CreateDirectoryW(p, nullptr); });
}

bool RemoveEmptyDirectory(const std::string& path) {
  return OnPath(path, RemoveDirectoryW);
}

bool RemoveAtRestart(const std::string& path) {
  return OnPath(
      path, [](const wchar_t* p) { return MoveFileExW(p, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT); });
}

bool FileInUse(const std::string& path) {
  const std::optional<std::wstring> name = SystemPath(path);
  if (!name) return false;
  const HANDLE h = CreateFileW(name->c_str(), GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) {
    CloseHandle(h);
    return false;
  }
  const DWORD error = GetLastError();
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

bool ReplaceAtRestart(const std::string& source, const std::string& target) {
  return OnPaths(source, target, [](const wchar_t* from, const wchar_t* to) {
    return MoveFileExW(from, to, MOVEFILE_DELAY_UNTIL_REBOOT | MOVEFILE_REPLACE_EXISTING);
  });
}

bool CopyWholeFile(const std::string& source, const std::string& target) {
  return OnPaths(source, target,
                 [](const wchar_t* from, const wchar_t* to) { return CopyFileW(from, to, FALSE); });
}

std::optional<FileStamp> StampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!AttributeData(path, data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return std::nullopt;
  }
  return FileStamp{(static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
                   (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                       data.ftLastWriteTime.dwLowDateTime};
}

std::string CurrentDirectory() {
  return SystemText([](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); })
      .value_or(std::string());
}

bool ChangeDirectory(const std::string& path) {
  const std::optional<std::wstring> name = Wide(path);
  return name && SetCurrentDirectoryW(name->c_str()) != 0;
}

std::vector<DirEntry> ListDirectory(const std::string& path) {
  std::vector<DirEntry> entries;
  const std::optional<std::wstring> pattern = SystemPath(WithTrailingBackslash(path) + "*");
  if (!pattern) return entries;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(pattern->c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    // A name that is no text (a lone surrogate) cannot be named again: it is passed over.
    const std::optional<std::string> name = Utf8(data.cFileName);
    if (!name || *name == "." || *name == "..") continue;
    entries.push_back({*name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                       (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow});
    entries.back().is_link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return entries;
}

uint32_t TickCount() {
  return GetTickCount();
}

uint32_t MillisecondsSinceMidnight() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return ((t.wHour * 60u + t.wMinute) * 60u + t.wSecond) * 1000u + t.wMilliseconds;
}

std::string NowDateTimeText() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  wchar_t date[80] = L"", time[80] = L"";
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, date, 80);
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &t, nullptr, time, 80);
  return Utf8Shown(date) + " " + Utf8Shown(time);
}

std::optional<std::string> GetEnv(const std::string& name) {
  const std::optional<std::wstring> wide_name = Wide(name);
  if (!wide_name) return std::nullopt;
  // An empty value is a value; only a missing variable is none.
  SetLastError(NO_ERROR);
  if (GetEnvironmentVariableW(wide_name->c_str(), nullptr, 0) == 0 &&
      GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
    return std::nullopt;
  }
  return SystemText([&wide_name](wchar_t* buffer, DWORD size) {
           return GetEnvironmentVariableW(wide_name->c_str(), buffer, size);
         })
      .value_or(std::string());
}

std::string WindowsDirectory() {
  return SystemText([](wchar_t* buffer, DWORD size) { return GetWindowsDirectoryW(buffer, size); })
      .value_or(std::string());
}

std::string ProgramPath() {
  // The answer is cut, not refused, when the buffer is too small: it must end before the end.
  std::wstring buffer(MAX_PATH + 1, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size() - 1) return Utf8(std::wstring_view(buffer.data(), n)).value_or("");
    if (buffer.size() > 32768) return {};
    buffer.assign(buffer.size() * 2, L'\0');
  }
}

int32_t ReadProfileInt(const std::string& section, const std::string& key, int32_t default_value,
                       const std::string& path) {
  const std::optional<std::wstring> wide_section = Wide(section), wide_key = Wide(key),
                                    wide_path = Wide(path);
  if (!wide_section || !wide_key || !wide_path) return default_value;
  return static_cast<int32_t>(GetPrivateProfileIntW(wide_section->c_str(), wide_key->c_str(),
                                                    default_value, wide_path->c_str()));
}

std::optional<std::vector<std::string>> ProgramArguments(int, char**, std::string* error) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) {
    if (error) *error = "linia de comanda nu poate fi citita";
    return std::nullopt;
  }
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) {
    std::string why;
    const std::optional<std::string> argument = Utf8(wide[i], &why);
    if (!argument) {
      if (error) *error = "argumentul " + std::to_string(i) + ": " + why;
      LocalFree(wide);
      return std::nullopt;
    }
    arguments.push_back(*argument);
  }
  LocalFree(wide);
  return arguments;
}

}  // namespace os
