#include "app/run_folder.h"

#include <cctype>

#include "log/debug_log.h"
#include "os/os.h"
#include "os/trust_boundary.h"

namespace {

std::string& Folder() {
  static std::string folder;
  return folder;
}

bool SameName(const std::string& a, const char* b) {
  std::string upper = a;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper == b;
}

struct Left {
  bool kept = false;     // the log
  bool pending = false;  // in use: it goes at the restart, or stays for whoever waits for it
};

Left RemoveContents(const std::string& dir, bool at_top, bool rest_at_restart) {
  Left left;
  for (const os::DirEntry& entry : os::ListDirectory(dir)) {
    const std::string path = os::WithTrailingBackslash(dir) + entry.name;
    if (at_top && SameName(entry.name, kDebugFallbackName)) {
      left.kept = true;
      continue;
    }
    // A link goes itself; what it names is not the run's.
    if (entry.is_directory && !entry.is_link) {
      const Left inner = RemoveContents(path, false, rest_at_restart);
      left.pending = left.pending || inner.pending;
    }
    os::SetAttributes(path, os::kAttrNormal);
    if (os::RemoveFile(path) || os::RemoveEmptyDirectory(path)) continue;
    left.pending = true;
    if (rest_at_restart) os::RemoveAtRestart(path);
  }
  return left;
}

}  // namespace

void AdoptRunFolder(const std::string& folder) {
  Folder() = os::WithoutTrailingBackslash(folder);
}

std::string RunFolder() {
  if (Folder().empty()) Folder() = trust::MakeRunFolder(trust::TemporaryFolder()).value_or("");
  return Folder();
}

bool IsRunFolder(const std::string& folder) {
  const std::string path = os::WithoutTrailingBackslash(folder);
  const size_t slash = path.find_last_of("\\/");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return trust::IsRunFolderName(name);
}

void RemoveRunFolder(const std::string& folder, bool rest_at_restart) {
  if (!IsRunFolder(folder)) return;
  const std::string dir = os::WithoutTrailingBackslash(folder);
  const Left left = RemoveContents(dir, true, rest_at_restart);
  if (left.kept) return;
  // After what it holds, when that has to wait for the restart too.
  if (!os::RemoveEmptyDirectory(dir) && left.pending && rest_at_restart) os::RemoveAtRestart(dir);
}
