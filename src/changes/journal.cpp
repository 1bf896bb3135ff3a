#include "changes/journal.h"

#include <set>
#include <utility>

#include "changes/change_text.h"
#include "changes/journal_file.h"
#include "os/file_replace.h"
#include "os/os.h"
#include "os/text_lines.h"

namespace changes {

namespace {

struct Run {
  Mode mode = Mode::kDirect;
  std::string journal;  // the journal, or the plan
  JournalFile file;
  std::string backups;
  std::string scratch;
  std::vector<Change> changes;
  std::set<std::string> planned;
  int next_backup = 0;
};

std::string& CurrentScope() {
  static std::string scope;
  return scope;
}

Run& CurrentRun() {
  static Run run;
  return run;
}

// A run begun over one that did not end: the old one's records still go to the disk.
Run& NewRun() {
  Run& run = CurrentRun();
  run.file.Close();
  run = Run{};
  return run;
}

void RemoveBackups(const std::string& dir) {
  if (dir.empty()) return;
  for (const os::DirEntry& entry : os::ListDirectory(dir)) {
    if (entry.is_directory) continue;
    // A copy keeps the attributes of what it copied; a read-only one would stay.
    const std::string path = os::WithTrailingBackslash(dir) + entry.name;
    os::SetAttributes(path, os::kAttrNormal);
    os::RemoveFile(path);
  }
  os::RemoveEmptyDirectory(dir);
}

}  // namespace

bool BeginJournal(const std::string& journal_path, const std::string& backup_dir) {
  Run& run = NewRun();
  run.journal = journal_path;
  run.backups = backup_dir;
  // A journal found there would be undone as if it were this run's.
  os::File file = os::File::Open(journal_path, os::OpenMode::kCreateNew);
  if (!file) return false;
  run.file = JournalFile(std::move(file), journal_path, true);
  run.mode = Mode::kApply;
  return true;
}

bool BeginPlan(const std::string& plan_path, const std::string& scratch_dir) {
  Run& run = NewRun();
  run.journal = plan_path;
  run.scratch = scratch_dir;
  os::File file = os::File::Open(plan_path, os::OpenMode::kCreate);
  if (!file) return false;
  run.file = JournalFile(std::move(file), plan_path, false);
  run.mode = Mode::kPlan;
  return true;
}

void CloseJournal() {
  CurrentRun().file.Close();
}

void EndRun(bool keep_backups) {
  Run& run = CurrentRun();
  run.file.Close();
  if (!keep_backups) RemoveBackups(run.backups);
  run.mode = Mode::kDirect;
}

Mode CurrentMode() {
  return CurrentRun().mode;
}

bool Planning() {
  return CurrentRun().mode == Mode::kPlan;
}

const std::vector<Change>& RunChanges() {
  return CurrentRun().changes;
}

const std::string& JournalPath() {
  return CurrentRun().journal;
}

const std::string& BackupDirectory() {
  return CurrentRun().backups;
}

const std::string& ScratchDirectory() {
  return CurrentRun().scratch;
}

bool Record(const Change& recorded) {
  Run& run = CurrentRun();
  Change change = recorded;
  if (change.scope.empty()) change.scope = CurrentScope();
  switch (run.mode) {
    case Mode::kDirect:
      return true;
    case Mode::kPlan:
      if (change.description.empty()) return true;
      if (!run.file.Append(change, change.description)) return false;
      break;
    case Mode::kApply:
      if (!run.file.Append(change, EncodeChange(change))) return false;
      break;
  }
  run.changes.push_back(change);
  return true;
}

std::string NewBackupPath() {
  Run& run = CurrentRun();
  if (!os::DirectoryExists(run.backups)) os::MakeDirectory(run.backups);
  return os::WithTrailingBackslash(run.backups) + std::to_string(++run.next_backup) + ".BAK";
}

Scope::Scope(const std::string& scope) : saved_(CurrentScope()) {
  CurrentScope() = scope;
}

Scope::~Scope() {
  CurrentScope() = saved_;
}

Unjournaled::Unjournaled() : saved_(CurrentRun().mode) {
  CurrentRun().mode = Mode::kDirect;
}

Unjournaled::~Unjournaled() {
  CurrentRun().mode = saved_;
}

std::vector<Change> LoadJournal(const std::string& path) {
  std::vector<Change> changes;
  const std::optional<std::string> text = os::ReadWholeFile(path);
  if (!text) return changes;
  for (const std::string& line : os::SplitLines(*text)) {
    if (std::optional<Change> change = DecodeChange(line)) changes.push_back(std::move(*change));
  }
  return changes;
}

bool AppendChanges(const std::vector<Change>& changes, const std::string& path) {
  std::string text;
  for (const Change& change : changes) text += EncodeChange(change) + "\r\n";
  os::File file = os::File::Open(path, os::OpenMode::kAppend);
  if (!file) file = os::File::Open(path, os::OpenMode::kCreate);
  if (!file) return false;
  const auto size = static_cast<uint32_t>(text.size());
  // The installation's records outlive the run's journal, which goes once they are written.
  return file.Write(text.data(), size) == static_cast<int32_t>(size) && FlushToDisk(file, path) &&
         file.Close();
}

std::vector<Change> KeptChanges(const std::vector<Change>& run) {
  std::vector<Change> kept;
  for (const Change& change : run) {
    if (change.kind == Kind::kDataCopy) continue;
    kept.push_back(change);
    kept.back().backup.clear();
  }
  return kept;
}

bool AppendJournal(const std::string& from, const std::string& to) {
  if (!os::FileExists(from)) return false;
  return AppendChanges(KeptChanges(LoadJournal(from)), to);
}

std::vector<std::string> OutermostDirectories(const std::vector<Change>& changes,
                                              const std::string& scope) {
  std::set<std::string> dirs;
  for (const Change& c : changes) {
    if (c.kind == Kind::kDirectory && c.scope == scope) dirs.insert(c.target);
  }
  std::vector<std::string> outer;
  for (const std::string& dir : dirs) {
    if (!dirs.count(os::WithoutTrailingBackslash(os::DirectoryOf(dir)))) outer.push_back(dir);
  }
  return outer;
}

void MarkPlanned(const std::string& path) {
  CurrentRun().planned.insert(PathKey(path));
}

bool IsPlanned(const std::string& path) {
  return CurrentRun().planned.count(PathKey(path)) != 0;
}

}  // namespace changes
