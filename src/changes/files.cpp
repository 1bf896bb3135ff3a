#include "changes/files.h"

#include <cctype>
#include <cstdio>
#include <utility>

#include "changes/change_text.h"
#include "changes/journal.h"
#include "changes/journal_file.h"
#include "os/file_replace.h"
#include "os/os.h"
#include "os/trust_boundary.h"

namespace changes {

namespace {

std::function<LockedFile(const std::string&)> g_locked_handler;
int g_at_restart = 0;

// The new file in the old one's place; a file another program holds is asked about once, then
// left for the restart, its new content waiting beside it under the scratch name.
bool Replace(const std::string& scratch, const std::string& target) {
  bool asked = false;
  for (;;) {
    if (os::MoveReplace(scratch, target)) return true;
    if (!os::FileInUse(target)) return false;
    if (!asked) {
      asked = true;
      const LockedFile answer = g_locked_handler ? g_locked_handler(target) : LockedFile::kLeave;
      if (answer == LockedFile::kLeave) return false;
      if (answer == LockedFile::kRetry) continue;
    }
    if (!os::ReplaceAtRestart(scratch, target)) return false;
    ++g_at_restart;
    // Undoing the run takes the waiting file away, so the restart has nothing to put in place.
    return NoteTemporaryFile(scratch);
  }
}

// Copies `path` to the backups for `change`, on the disk before the change is recorded: the
// record names it, and undoing the change needs it whole. A read-only copy is writable for the
// flush alone.
bool KeepCopy(const std::string& path, Change& change) {
  change.previous = std::string();
  change.backup = NewBackupPath();
  if (!os::CopyWholeFile(path, change.backup)) return false;
  const std::optional<uint32_t> attributes = os::GetAttributes(change.backup);
  if (!attributes) return false;
  const bool read_only = (*attributes & os::kAttrReadOnly) != 0;
  if (read_only) {
    const uint32_t writable = *attributes & ~os::kAttrReadOnly;
    if (!os::SetAttributes(change.backup, writable ? writable : os::kAttrNormal)) return false;
  }
  os::File copy = os::File::Open(change.backup, os::OpenMode::kReadWrite);
  const bool flushed = copy && FlushToDisk(copy, change.backup) && copy.Close();
  return flushed && (!read_only || os::SetAttributes(change.backup, *attributes));
}

}  // namespace

std::string ScratchPathBeside(const std::string& target) {
  size_t cut = target.size();
  while (cut > 0 && target[cut - 1] != '\\' && target[cut - 1] != '/') --cut;
  const std::string directory = target.substr(0, cut);
  static uint32_t counter = 0;
  for (int attempt = 0; attempt < 1000; ++attempt) {
    char name[16];
    std::snprintf(name, sizeof name, "~vz%05X.tmp", (counter++ + os::TickCount()) & 0xFFFFF);
    const std::string path = directory + name;
    if (!os::GetAttributes(path)) return path;
  }
  return std::string();
}

bool IsScratchName(const std::string& name) {
  if (name.size() != 12 || name.compare(0, 3, "~vz") != 0) return false;
  for (size_t i = 3; i < 8; ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(name[i]))) return false;
  }
  const std::string extension = name.substr(8);
  return extension == ".tmp" || extension == ".TMP";
}

bool DirectoryExists(const std::string& path) {
  return os::DirectoryExists(path) || (Planning() && IsPlanned(path));
}

bool FileExists(const std::string& path) {
  return os::FileExists(path) || (Planning() && IsPlanned(path));
}

bool MakeDirectory(const std::string& path, const std::string& sddl) {
  if (Planning()) {
    if (DirectoryExists(path) || os::FileExists(path)) return false;
    MarkPlanned(path);
  }
  Change change;
  change.kind = Kind::kDirectory;
  change.description = "create directory " + path;
  change.target = path;
  if (!Record(change)) return false;
  return Planning() || trust::MakeDirectoryWithSddl(path, sddl);
}

bool CommitFile(const std::string& scratch, const std::string& target, const std::string& sha256) {
  Change change;
  change.kind = Kind::kFile;
  change.target = target;
  change.sha256 = sha256;
  const os::FileStamp stamp = os::StampOf(scratch).value_or(os::FileStamp{});
  change.size = stamp.size;
  change.time = stamp.write_time;
  const bool replaces = os::FileExists(target);
  change.description = std::string(replaces ? "replace" : "create") + " file " + target + " (" +
                       GroupedNumber(change.size) + " bytes)";
  if (replaces && CurrentMode() == Mode::kApply && !KeepCopy(target, change)) return false;
  if (!Record(change)) return false;
  return Replace(scratch, target);
}

std::string FileInUseText(const std::string& path) {
  return "Fisierul\r" + path +
         "\reste folosit de alt program.\rInchideti programul si apasati Retry.";
}

LockedFileHandler SetReplaceLockedHandler(LockedFileHandler handler) {
  std::swap(g_locked_handler, handler);
  return handler;
}

int ReplacementsAtRestart() {
  return g_at_restart;
}

void PlanFile(const std::string& target, int64_t size) {
  Change change;
  change.kind = Kind::kFile;
  change.target = target;
  change.size = size;
  change.description = std::string(FileExists(target) ? "replace" : "create") + " file " + target +
                       " (" + GroupedNumber(size) + " bytes)";
  Record(change);
  MarkPlanned(target);
}

bool NoteTemporaryFile(const std::string& path) {
  Change change;
  change.kind = Kind::kTemporaryFile;
  change.target = path;
  return Record(change);
}

bool ReplaceTextFile(const std::string& path, const std::string& content,
                     const std::string& description) {
  Change change;
  change.kind = Kind::kTextFile;
  change.description = description;
  change.target = path;
  change.value = content;
  const std::optional<uint32_t> attributes = os::GetAttributes(path);
  // The copy keeps the attributes too: what is put back is the file as it was.
  if (attributes && CurrentMode() == Mode::kApply && !KeepCopy(path, change)) return false;
  if (!Record(change)) return false;
  if (Planning()) return true;
  // A read-only file cannot be replaced; its attributes go back on whichever file stands there.
  if (attributes) os::SetAttributes(path, os::kAttrNormal);
  const bool replaced = os::ReplaceFileContents(path, content);
  if (attributes) os::SetAttributes(path, *attributes);
  return replaced;
}

bool KeepDataFolder(const std::string& dir) {
  if (CurrentMode() != Mode::kApply) return true;
  Change folder;
  folder.kind = Kind::kDataCopy;
  folder.target = os::WithoutTrailingBackslash(dir);
  folder.scope = kScopeData;
  std::vector<os::DirEntry> entries = os::ListDirectory(dir);
  for (const os::DirEntry& entry : entries) {
    if (!entry.is_directory || entry.is_link) folder.value += entry.name + "\n";
  }
  if (!Record(folder)) return false;
  for (const os::DirEntry& entry : entries) {
    if (entry.is_link) continue;
    const std::string path = os::WithTrailingBackslash(dir) + entry.name;
    if (entry.is_directory) {
      if (!KeepDataFolder(path)) return false;
      continue;
    }
    Change copy;
    copy.kind = Kind::kDataCopy;
    copy.target = path;
    copy.scope = kScopeData;
    if (!KeepCopy(path, copy) || !Record(copy)) return false;
  }
  return true;
}

}  // namespace changes
