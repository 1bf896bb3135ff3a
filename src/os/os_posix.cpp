#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "os/os.h"

namespace os {

namespace {

std::string Native(const std::string& path) {
  std::string p = path;
  for (char& c : p) {
    if (c == '\\') c = '/';
  }
  return p;
}

int Fd(intptr_t h) {
  return static_cast<int>(h);
}

}  // namespace

File File::Open(const std::string& path, OpenMode mode) {
  int flags = O_RDONLY;
  switch (mode) {
    case OpenMode::kRead:
      break;
    case OpenMode::kCreate:
      flags = O_RDWR | O_CREAT | O_TRUNC;
      break;
    case OpenMode::kCreateNew:
      flags = O_RDWR | O_CREAT | O_EXCL;
      break;
    case OpenMode::kReadWrite:
      flags = O_RDWR;
      break;
    case OpenMode::kAppend:
      flags = O_WRONLY | O_APPEND;
      break;
  }
  File f;
  const int fd = ::open(Native(path).c_str(), flags | O_CLOEXEC, 0644);
  if (fd < 0) return f;
  struct stat st;
  if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return f;
  }
  f.handle_ = fd;
  return f;
}

int32_t File::Read(void* buffer, uint32_t count) {
  ssize_t n;
  do n = ::read(Fd(handle_), buffer, count);
  while (n < 0 && errno == EINTR);
  return static_cast<int32_t>(n);
}

int32_t File::Write(const void* buffer, uint32_t count) {
  ssize_t n;
  do n = ::write(Fd(handle_), buffer, count);
  while (n < 0 && errno == EINTR);
  return static_cast<int32_t>(n);
}

bool File::Seek(int64_t position) {
  return ::lseek(Fd(handle_), position, SEEK_SET) == position;
}

int64_t File::Position() {
  return ::lseek(Fd(handle_), 0, SEEK_CUR);
}

int64_t File::Size() {
  struct stat st;
  return fstat(Fd(handle_), &st) == 0 ? st.st_size : -1;
}

bool File::Truncate() {
  const off_t at = ::lseek(Fd(handle_), 0, SEEK_CUR);
  return at >= 0 && ::ftruncate(Fd(handle_), at) == 0;
}

bool File::Flush() {
  int r;
  do r = ::fsync(Fd(handle_));
  while (r < 0 && errno == EINTR);
  return r == 0;
}

bool File::SetDosTime(uint16_t dos_date, uint16_t dos_time) {
  struct tm t = {};
  t.tm_year = ((dos_date >> 9) & 0x7f) + 80;
  t.tm_mon = ((dos_date >> 5) & 0x0f) - 1;
  t.tm_mday = dos_date & 0x1f;
  t.tm_hour = (dos_time >> 11) & 0x1f;
  t.tm_min = (dos_time >> 5) & 0x3f;
  t.tm_sec = (dos_time & 0x1f) * 2;
  t.tm_isdst = -1;
  const time_t when = mktime(&t);
  if (when == static_cast<time_t>(-1)) return false;
  struct timespec times[2];
  times[0].tv_sec = when;
  times[0].tv_nsec = 0;
  times[1] = times[0];
  return futimens(Fd(handle_), times) == 0;
}

bool File::Close() {
  if (handle_ == kInvalid) return true;
  const bool ok = ::close(Fd(handle_)) == 0;
  handle_ = kInvalid;
  return ok;
}

std::string WindowsDirectory() {
  return "/";
}

bool IsRemovableDrive(const std::string&) {
  return false;
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(Native(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st;
  return ::stat(Native(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<uint32_t> GetAttributes(const std::string& path) {
  struct stat st;
  if (::stat(Native(path).c_str(), &st) != 0) return std::nullopt;
  uint32_t a = S_ISDIR(st.st_mode) ? kAttrDirectory : kAttrArchive;
  if (!(st.st_mode & S_IWUSR)) a |= kAttrReadOnly;
  return a;
}

bool SetAttributes(const std::string& path, uint32_t attributes) {
  struct stat st;
  const std::string p = Native(path);
  if (::stat(p.c_str(), &st) != 0) return false;
  mode_t mode = st.st_mode & 07777;
  mode = (attributes & kAttrReadOnly) ? (mode & ~0222) : (mode | S_IWUSR);
  return ::chmod(p.c_str(), mode) == 0;
}

bool RemoveFile(const std::string& path) {
  const std::string p = Native(path);
  if (DirectoryExists(path)) return false;
  return ::unlink(p.c_str()) == 0;
}

bool MoveReplace(const std::string& source, const std::string& target) {
  return ::rename(Native(source).c_str(), Native(target).c_str()) == 0;
}

bool MakeDirectory(const std::string& path) {
  return ::mkdir(Native(path).c_str(), 0755) == 0;
}

bool RemoveEmptyDirectory(const std::string& path) {
  return ::rmdir(Native(path).c_str()) == 0;
}

bool RemoveAtRestart(const std::string&) {
  return false;
}

bool FileInUse(const std::string&) {
  return false;
}

bool ReplaceAtRestart(const std::string&, const std::string&) {
  return false;
}

bool CopyWholeFile(const std::string& source, const std::string& target) {
  File in = File::Open(source, OpenMode::kRead);
  File out = File::Open(target, OpenMode::kCreate);
  if (!in || !out) return false;
  char buffer[65536];
  for (;;) {
    const int32_t n = in.Read(buffer, sizeof buffer);
    if (n < 0) return false;
    if (n == 0) break;
    if (out.Write(buffer, static_cast<uint32_t>(n)) != n) return false;
  }
  return out.Close();
}

std::optional<FileStamp> StampOf(const std::string& path) {
  struct stat st;
  if (::stat(Native(path).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
  return FileStamp{static_cast<int64_t>(st.st_size),
                   static_cast<uint64_t>(st.st_mtim.tv_sec) * 1000000000u +
                       static_cast<uint64_t>(st.st_mtim.tv_nsec)};
}

std::string CurrentDirectory() {
  char buffer[4096];
  return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

bool ChangeDirectory(const std::string& path) {
  return ::chdir(Native(path).c_str()) == 0;
}

std::vector<DirEntry> ListDirectory(const std::string& path) {
  std::vector<DirEntry> entries;
  const std::string dir = Native(path);
  DIR* d = ::opendir(dir.c_str());
  if (!d) return entries;
  while (const dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    struct stat st;
    const std::string full = dir + "/" + name;
    if (::stat(full.c_str(), &st) != 0) continue;
    entries.push_back({name, S_ISDIR(st.st_mode), static_cast<int64_t>(st.st_size)});
    struct stat link;
    if (::lstat(full.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) entries.back().is_link = true;
  }
  ::closedir(d);
  return entries;
}

uint32_t TickCount() {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000u + ts.tv_nsec / 1000000);
}

uint32_t MillisecondsSinceMidnight() {
  struct timeval tv;
  gettimeofday(&tv, nullptr);
  struct tm t;
  const time_t now = tv.tv_sec;
  localtime_r(&now, &t);
  return ((t.tm_hour * 60u + t.tm_min) * 60u + t.tm_sec) * 1000u + tv.tv_usec / 1000;
}

std::string NowDateTimeText() {
  const time_t now = time(nullptr);
  struct tm t;
  localtime_r(&now, &t);
  char text[64];
  strftime(text, sizeof text, "%d.%m.%Y %H:%M:%S", &t);
  return text;
}

std::optional<std::string> GetEnv(const std::string& name) {
  const char* value = ::getenv(name.c_str());
  if (!value) return std::nullopt;
  return std::string(value);
}

std::string ProgramPath() {
  char buffer[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

std::optional<std::vector<std::string>> ProgramArguments(int argc, char** argv, std::string*) {
  return std::vector<std::string>(argv, argv + argc);
}

}  // namespace os
