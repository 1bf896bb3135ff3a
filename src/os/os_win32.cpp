#include <windows.h>

#include "os/os.h"

namespace os {

namespace {
HANDLE H(intptr_t h) {
  return reinterpret_cast<HANDLE>(h);
}
}  // namespace

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
    case OpenMode::kReadWrite:
    case OpenMode::kAppend:
      access = GENERIC_READ | GENERIC_WRITE;
      share = FILE_SHARE_READ;
      break;
  }
  HANDLE h = CreateFileA(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  File f;
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
  return GetDriveTypeA(root.c_str()) == DRIVE_REMOVABLE;
}

bool FileExists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<uint32_t> GetAttributes(const std::string& path) {
  const DWORD a = GetFileAttributesA(path.c_str());
  if (a == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return a;
}

std::optional<int64_t> FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return std::nullopt;
  }
  return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool SetAttributes(const std::string& path, uint32_t attributes) {
  return SetFileAttributesA(path.c_str(), attributes) != 0;
}

bool RemoveFile(const std::string& path) {
  return DeleteFileA(path.c_str()) != 0;
}

bool MoveReplace(const std::string& source, const std::string& target) {
  return MoveFileExA(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool MakeDirectory(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool RemoveEmptyDirectory(const std::string& path) {
  return RemoveDirectoryA(path.c_str()) != 0;
}

bool RemoveAtRestart(const std::string& path) {
  return MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
}

bool FileInUse(const std::string& path) {
  const HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE,
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
  return MoveFileExA(source.c_str(), target.c_str(),
                     MOVEFILE_DELAY_UNTIL_REBOOT | MOVEFILE_REPLACE_EXISTING) != 0;
}

bool CopyWholeFile(const std::string& source, const std::string& target) {
  return CopyFileA(source.c_str(), target.c_str(), FALSE) != 0;
}

std::optional<uint64_t> FileWriteTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
         data.ftLastWriteTime.dwLowDateTime;
}

std::string CurrentDirectory() {
  char buffer[MAX_PATH + 1];
  const DWORD n = GetCurrentDirectoryA(sizeof buffer, buffer);
  return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
}

bool ChangeDirectory(const std::string& path) {
  return SetCurrentDirectoryA(path.c_str()) != 0;
}

std::vector<DirEntry> ListDirectory(const std::string& path) {
  std::vector<DirEntry> entries;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((WithTrailingBackslash(path) + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    entries.push_back({name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                       (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow});
    entries.back().is_link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  } while (FindNextFileA(find, &data));
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
  char date[80] = "", time[80] = "";
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, date, sizeof date);
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, nullptr, time, sizeof time);
  return std::string(date) + " " + time;
}

std::optional<std::string> GetEnv(const std::string& name) {
  const DWORD needed = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  if (needed == 0) return std::nullopt;
  std::string value(needed, '\0');
  const DWORD n = GetEnvironmentVariableA(name.c_str(), value.data(), needed);
  value.resize(n < needed ? n : 0);
  return value;
}

std::string WindowsDirectory() {
  char buffer[MAX_PATH + 1] = "";
  const UINT n = GetWindowsDirectoryA(buffer, sizeof buffer);
  return std::string(buffer, n < sizeof buffer ? n : 0);
}

std::string ProgramPath() {
  char buffer[MAX_PATH + 1];
  const DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  return std::string(buffer, n < sizeof buffer ? n : 0);
}

int32_t ReadProfileInt(const std::string& section, const std::string& key, int32_t default_value,
                       const std::string& path) {
  return static_cast<int32_t>(
      GetPrivateProfileIntA(section.c_str(), key.c_str(), default_value, path.c_str()));
}

}  // namespace os
