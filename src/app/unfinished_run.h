// A run that has not finished, as the records folder keeps it: its journal and the copies of
// what it replaced, written there before each change, and a RunOnce entry that starts the
// recovery with Windows. A run killed at any instant is undone from these by the next start of
// the installer or of Windows; a run that ends hands its journal to the installation's.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "changes/change.h"

// The journal of the run in progress, its copies, and the name it takes once the run has ended
// and its lines go to the installation's journal.
constexpr char kUnfinishedJournal[] = "UNFINISH.JRN";
constexpr char kUnfinishedCopies[] = "UNFINISH.BAK";
constexpr char kFinishedJournal[] = "FINISHED.JRN";
// The installer's copy that the RunOnce entry starts.
constexpr char kRecoveryProgram[] = "RECOVER.EXE";
// The journal note that says when the run began.
constexpr char kRunBeganHandler[] = "began";

// `name` in the records folder `records`.
std::string InRecords(const std::string& records, const char* name);

// Makes the records folder when there is none (or checks the one there) and begins the run's
// journal in it. Why it cannot, or nothing.
std::string BeginUnfinishedRun(std::string& records);
// The recovery program and the RunOnce entry that starts it with Windows; false when Windows
// would not start it (the next installer still recovers).
bool ArmRecoveryAtRestart(const std::string& records);
// The RunOnce entry and the recovery program go, and the records folder when it holds nothing
// more.
void DisarmRecovery(const std::string& records);

// The run has ended: its journal takes the finished name in one step, then its lines go to the
// end of the installation's journal. A finished journal found at the next start (a kill between
// the two) is handed on then, once.
bool MarkRunFinished(const std::string& records);
void HandOnFinishedJournal(const std::string& records);

// When the run began, as its journal says; nothing when it does not.
std::optional<std::string> RunBegan(const std::vector<changes::Change>& run);
