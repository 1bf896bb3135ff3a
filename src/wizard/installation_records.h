// The installation's records: its journal and its uninstaller, in a folder under Program Files
// where only administrators write, and what that journal may name when it is undone.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "changes/journal_bounds.h"
#include "state/install_state.h"

// "<Program Files>\RidOZIZUZ Setup", in the installer's view of Program Files as the engine's is;
// nothing when Windows does not say where Program Files is.
std::optional<std::string> RecordsFolder();
// Makes the records folder with its descriptor, journaled so that undoing the run takes it away,
// or checks the one there. Why it cannot hold the records, or nothing when it can.
std::string PrepareRecordsFolder();

// The journal's line for the records folder, made by the run.
changes::Change RecordsFolderMade(const std::string& records);
// The changes of a run to undo, without the making of the records folder, which holds the run's
// own records until their end and goes then when nothing else is in it.
std::vector<changes::Change> WithoutRecordsFolder(const std::vector<changes::Change>& run);

// What the installation's journal may name: the product's registry keys, WIN.INI section,
// CONFIG.SYS, aliases and group, the engine's directories and `directories`. A journal from the
// records folder (`trusted`) says itself which other directories are the installation's.
changes::JournalBounds InstallationBounds(bool trusted, std::vector<std::string> directories,
                                          const std::string& backups);

// An older release kept the journal in the program directory, where users may have written: its
// lines that name the installation `state` found go to the records journal `kept`, the others are
// named in the log, and the old file goes.
void AdoptOlderJournal(const TInstallState& state, const std::string& kept);

// The database tasks change the data in place: before they start, a copy of each data file goes
// into the run's records, so that undoing the run puts the old data back with the old program.
// Why the copies cannot be made (the tasks must not start then), or nothing.
std::string KeepDataForTasks(const TInstallState& state);

// The data folders the run made (DATA, NEW) let the product's users modify what they hold,
// unless the administrator kept the inherited rights.
void OpenDataFolders(const TInstallState& state);
