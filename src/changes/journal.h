// The journal of a run: every change to the machine is written here before it is made, so that a
// failed run can be undone and an installation removed. A dry run writes the same lines to a plan
// and changes nothing.
#pragma once

#include <string>
#include <vector>

#include "changes/change.h"

namespace changes {

// The installation's own journal in its records folder; each run appends to it.
constexpr char kInstallationJournal[] = "INSTALL.JRN";

enum class Mode {
  kDirect,  // no run is journaled: changes are made as they come (tools, tests)
  kApply,   // changes are journaled, then made
  kPlan,    // changes are written to the plan and not made
};

// Journals the run's changes into `journal_path`, a new file, with copies of the files they
// replace in `backup_dir`. False when the journal cannot be made (also when the name exists).
bool BeginJournal(const std::string& journal_path, const std::string& backup_dir);
// A dry run: the line of each change goes to `plan_path`; the run's own work files (assembled
// archives) go to `scratch_dir`. False when the plan cannot be written.
bool BeginPlan(const std::string& plan_path, const std::string& scratch_dir);
// The run's journal is whole on the disk and closed, so that it can be renamed or handed on; the
// copies of replaced files stay until EndRun.
void CloseJournal();
// Ends the run; the copies of replaced files go too, unless a rollback still needs them.
void EndRun(bool keep_backups);

Mode CurrentMode();
bool Planning();
// The changes of this run, in order.
const std::vector<Change>& RunChanges();
const std::string& JournalPath();
// Where this run keeps the copies of the files it replaces.
const std::string& BackupDirectory();
const std::string& ScratchDirectory();

// Writes the change to the journal (or its line to the plan) before the caller makes it. False
// when it cannot be written: the caller must not make the change then.
bool Record(const Change& change);
// While one lives, every change recorded belongs to `scope` (kScopeData, kScopeEngine).
class Scope {
 public:
  explicit Scope(const std::string& scope);
  ~Scope();
  Scope(const Scope&) = delete;
  Scope& operator=(const Scope&) = delete;

 private:
  std::string saved_;
};

// A new name in the backup folder for a copy of a file about to be replaced.
std::string NewBackupPath();

// While one lives, changes are made without a journal: the run's own work in its own folders.
class Unjournaled {
 public:
  Unjournaled();
  ~Unjournaled();
  Unjournaled(const Unjournaled&) = delete;
  Unjournaled& operator=(const Unjournaled&) = delete;

 private:
  Mode saved_;
};

// The changes a journal file holds, in order; lines that are no change are passed over.
std::vector<Change> LoadJournal(const std::string& path);
// Adds `changes` to the end of the journal at `path`.
bool AppendChanges(const std::vector<Change>& changes, const std::string& path);
// What the installation's journal keeps of a run's changes: the copies of replaced files and of
// data go at the end of the run, so the kept journal names none.
std::vector<Change> KeptChanges(const std::vector<Change>& run);
// Adds the run's journal to the end of `to` (the installation's own journal), as it is kept.
bool AppendJournal(const std::string& from, const std::string& to);

// The directories of `scope` that `changes` made and that lie in no other of them: the tops of
// the trees the run made for, say, the user's data.
std::vector<std::string> OutermostDirectories(const std::vector<Change>& changes,
                                              const std::string& scope);

// A dry run's memory of what it would have made, so that later steps see it.
void MarkPlanned(const std::string& path);
bool IsPlanned(const std::string& path);

}  // namespace changes
