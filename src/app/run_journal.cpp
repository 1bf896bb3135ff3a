#include "app/run_journal.h"

#include "changes/journal.h"
#include "log/debug_log.h"
#include "os/os.h"
#include "os/text_lines.h"
#include "wizard/installation_records.h"

namespace {

std::string RunJournal(const std::string& work_dir) {
  return os::WithTrailingBackslash(work_dir) + "INSTVORT.JRN";
}

std::string Backups(const std::string& work_dir) {
  return os::WithTrailingBackslash(work_dir) + "INSTVORT.BAK";
}

std::string Scratch(const std::string& work_dir) {
  return os::WithTrailingBackslash(work_dir) + "INSTVORT.PLN";
}

void RemoveFolder(const std::string& dir) {
  for (const os::DirEntry& entry : os::ListDirectory(dir)) {
    if (!entry.is_directory) os::RemoveFile(os::WithTrailingBackslash(dir) + entry.name);
  }
  os::RemoveEmptyDirectory(dir);
}

// The run's journal goes to the end of the installation's, in its records folder; a run that
// registered nothing makes the folder here, its line journaled like the rest.
void KeepRunJournal(const TInstallState& state, const std::string& work_dir) {
  const std::string refusal = PrepareRecordsFolder();
  if (!refusal.empty()) {
    DebugNote("Jurnalul instalarii nu poate fi pastrat: " + os::OneLine(refusal));
    return;
  }
  const std::string kept = *RecordsFolder() + "\\" + changes::kInstallationJournal;
  AdoptOlderJournal(state, kept);
  if (!changes::AppendJournal(RunJournal(work_dir), kept)) DebugNote("Nu pot scrie " + kept);
}

}  // namespace

bool BeginRunJournal(const std::string& work_dir, const std::string& plan_file) {
  // The run's folder is new and its own: a name that exists there is refused, never reused.
  if (!plan_file.empty())
    return os::MakeDirectory(Scratch(work_dir)) && changes::BeginPlan(plan_file, Scratch(work_dir));
  return changes::BeginJournal(RunJournal(work_dir), Backups(work_dir));
}

void FinishRunJournal(const TInstallState& state, const std::string& work_dir) {
  if (changes::Planning()) {
    changes::EndRun(false);
    RemoveFolder(Scratch(work_dir));
    return;
  }
  if (!state.RolledBack && !changes::RunChanges().empty()) KeepRunJournal(state, work_dir);
  changes::EndRun(false);
  os::RemoveFile(RunJournal(work_dir));
}
