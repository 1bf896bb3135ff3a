#include "changes/files.h"

#include "changes/change_text.h"
#include "changes/journal.h"
#include "os/file_replace.h"
#include "os/os.h"

namespace changes {

bool DirectoryExists(const std::string& path) {
  return os::DirectoryExists(path) || (Planning() && IsPlanned(path));
}

bool FileExists(const std::string& path) {
  return os::FileExists(path) || (Planning() && IsPlanned(path));
}

bool MakeDirectory(const std::string& path) {
  if (Planning()) {
    if (DirectoryExists(path) || os::FileExists(path)) return false;
    MarkPlanned(path);
  }
  Change change;
  change.kind = Kind::kDirectory;
  change.description = "create directory " + path;
  change.target = path;
  if (!Record(change)) return false;
  return Planning() || os::MakeDirectory(path);
}

bool CommitFile(const std::string& scratch, const std::string& target) {
  Change change;
  change.kind = Kind::kFile;
  change.target = target;
  change.size = os::FileSize(scratch).value_or(0);
  change.time = os::FileWriteTime(scratch).value_or(0);
  const bool replaces = os::FileExists(target);
  change.description = std::string(replaces ? "replace" : "create") + " file " + target + " (" +
                       GroupedNumber(change.size) + " bytes)";
  if (replaces && CurrentMode() == Mode::kApply) {
    change.previous = std::string();
    change.backup = NewBackupPath();
    if (!os::CopyWholeFile(target, change.backup)) return false;
  }
  if (!Record(change)) return false;
  return os::MoveReplace(scratch, target);
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
  if (attributes && CurrentMode() == Mode::kApply) {
    change.previous = std::string();
    change.backup = NewBackupPath();
    // The copy keeps the attributes too: what is put back is the file as it was.
    if (!os::CopyWholeFile(path, change.backup)) return false;
  }
  if (!Record(change)) return false;
  if (Planning()) return true;
  // A read-only file cannot be replaced; its attributes go back on whichever file stands there.
  if (attributes) os::SetAttributes(path, os::kAttrNormal);
  const bool replaced = os::ReplaceFileContents(path, content);
  if (attributes) os::SetAttributes(path, *attributes);
  return replaced;
}

}  // namespace changes
