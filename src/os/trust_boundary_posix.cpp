// Where the portable code is tested: a descriptor is the owner's mode bits, a link is what the
// file system calls one.
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "os/os.h"
#include "os/trust_boundary.h"

namespace trust {

namespace {

std::string Native(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace

// --- Security descriptors of what the installer makes ------------------------------------

bool MakeDirectoryWithDescriptor(const std::string& path, const char*) {
  return ::mkdir(Native(path).c_str(), 0700) == 0;
}

bool RandomBytes(uint8_t* buffer, size_t size) {
  return getrandom(buffer, size, 0) == static_cast<ssize_t>(size);
}

std::string TemporaryFolder() {
  const char* folder = std::getenv("TMPDIR");
  return os::WithTrailingBackslash(folder && *folder ? folder : "/tmp");
}

Appended AppendWithoutLinks(const std::string& path, const std::string& text) {
  const int fd =
      ::open(Native(path).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return errno == ELOOP ? Appended::kLink : Appended::kNotOpened;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink > 1) {
    ::close(fd);
    return Appended::kLink;
  }
  const bool whole = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  return ::close(fd) == 0 && whole ? Appended::kWritten : Appended::kNotWritten;
}

// --- Folders and records. ------------------------------------------------------------------

namespace {

std::string UnixUserSid(uid_t uid) {
  return "S-1-22-1-" + std::to_string(uid);
}

}  // namespace

bool IsLink(const std::string& path) {
  struct stat st;
  return ::lstat(Native(path).c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

FolderFacts ReadFolderFacts(const std::string& path) {
  FolderFacts facts;
  facts.link = LinkOnPath(path);
  struct stat st;
  facts.exists = ::lstat(Native(path).c_str(), &st) == 0;
  if (facts.exists) facts.owner_sid = UnixUserSid(st.st_uid);
  return facts;
}

std::string OwnSid() {
  return UnixUserSid(::geteuid());
}

bool MakeDirectoryWithSddl(const std::string& path, const std::string&) {
  return os::MakeDirectory(path);
}

bool ApplySddl(const std::string&, const std::string&) {
  return true;
}

bool RemoveEntry(const std::string& path) {
  if (!LinkOnPath(os::WithoutTrailingBackslash(os::DirectoryOf(path))).empty()) return false;
  struct stat st;
  const std::string native = Native(path);
  if (::lstat(native.c_str(), &st) != 0) return false;
  return (S_ISDIR(st.st_mode) ? ::rmdir(native.c_str()) : ::unlink(native.c_str())) == 0;
}

}  // namespace trust
