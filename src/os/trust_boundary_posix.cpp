// The trust boundary's system side on POSIX, for the native tests: a symbolic link is the link,
// the owner is the Unix user as a SID of the "Unix user" authority.
#include <sys/stat.h>
#include <unistd.h>

#include "os/os.h"
#include "os/trust_boundary.h"

namespace trust {

// --- Folders and records. ------------------------------------------------------------------

namespace {

std::string Native(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

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
