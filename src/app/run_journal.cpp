#include "app/run_journal.h"

#include "app/unfinished_run.h"
#include "changes/journal.h"
#include "log/debug_log.h"
#include "os/os.h"
#include "wizard/installation_records.h"

namespace {

std::string Scratch(const std::string& work_dir) {
  return os::WithTrailingBackslash(work_dir) + "INSTVORT.PLN";
}

void RemoveFolder(const std::string& dir) {
  for (const os::DirEntry& entry : os::ListDirectory(dir)) {
    if (!entry.is_directory) os::RemoveFile(os::WithTrailingBackslash(dir) + entry.name);
  }
  os::RemoveEmptyDirectory(dir);
}

struct RunRecords {
  std::string folder;
  bool finished = false;
};

RunRecords& Records() {
  static RunRecords records;
  return records;
}

}  // namespace

std::string BeginRunJournal(const std::string& work_dir, const std::string& plan_file) {
  // The run's folder is new and its own: a name that exists there is refused, never reused.
  if (!plan_file.empty()) {
    if (!os::MakeDirectory(Scratch(work_dir)) || !changes::BeginPlan(plan_file, Scratch(work_dir)))
      return "Nu pot scrie planul instalarii in " + plan_file;
    // Where a run would keep its records from its start.
    return PrepareRecordsFolder();
  }
  RunRecords& records = Records();
  if (const std::string refusal = BeginUnfinishedRun(records.folder); !refusal.empty())
    return refusal;
  if (!ArmRecoveryAtRestart(records.folder))
    DebugNote("Windows nu va anula la pornire o instalare intrerupta: " + records.folder);
  return {};
}

void FinishRunJournal(const TInstallState& state, const std::string& work_dir) {
  RunRecords& records = Records();
  if (records.finished) return;
  records.finished = true;
  if (changes::Planning()) {
    changes::EndRun(false);
    RemoveFolder(Scratch(work_dir));
    return;
  }
  if (changes::CurrentMode() != changes::Mode::kApply) return;
  const std::string journal = InRecords(records.folder, kUnfinishedJournal);
  // The begin note alone is no change.
  const bool keep = !state.RolledBack && changes::RunChanges().size() > 1;
  changes::CloseJournal();
  if (keep) {
    const std::string kept = InRecords(records.folder, changes::kInstallationJournal);
    AdoptOlderJournal(state, kept);
    if (MarkRunFinished(records.folder)) {
      HandOnFinishedJournal(records.folder);
    } else if (!changes::AppendJournal(journal, kept) || !os::RemoveFile(journal)) {
      DebugNote("Nu pot incheia jurnalul " + journal);
    }
  } else {
    os::RemoveFile(journal);
  }
  changes::EndRun(false);
  DisarmRecovery(records.folder);
}
