// The folder of an elevated run. The working copy of the program, its media's configuration and
// upgrade archive, the hand-off file, the run's journal and backups and the uninstaller's worker
// live in a folder made new for the run under the temporary folder, which only Administrators and
// SYSTEM enter, with a name nobody can guess and so make first. It goes when the run ends.
#pragma once

#include <string>

// A copy started from a run's folder (the working copy, the uninstaller's worker) works in the
// folder it runs from.
void AdoptRunFolder(const std::string& folder);
// This run's folder, made on first use; empty when none can be made.
std::string RunFolder();

// A folder name of the form run folders have: only such a folder is removed whole.
bool IsRunFolder(const std::string& folder);
// Removes a run's folder with all in it, never following a link, except the log that had to
// go there (kept for the administrator). What is in use, such as the running program, goes when
// Windows next starts if `rest_at_restart`; else it stays for the process that waits for it.
void RemoveRunFolder(const std::string& folder, bool rest_at_restart);
