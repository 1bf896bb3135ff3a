// Files and directories as the run changes them: each change journaled first, a replaced file
// copied to the backups, and in a dry run only planned.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace changes {

// Real, or made earlier in this dry run.
bool DirectoryExists(const std::string& path);
bool FileExists(const std::string& path);

// Makes one directory level, with the descriptor `sddl` when one is given (else the inherited
// rights). False when it cannot (also when it exists).
bool MakeDirectory(const std::string& path, const std::string& sddl = {});
// What to do with a file that another program holds open.
enum class LockedFile { kRetry, kAtRestart, kLeave };

// The question for a file in use, and its caption.
std::string FileInUseText(const std::string& path);
constexpr char kFileInUseCaption[] = "Fisier folosit";

// Asked when a file to be replaced is held open by another program (the product still running
// during an upgrade). kRetry tries once more; a file still held then, or kAtRestart, is replaced
// when Windows next starts. Without a handler, or on kLeave, the replacement fails.
// Returns the handler it replaces.
using LockedFileHandler = std::function<LockedFile(const std::string& path)>;
LockedFileHandler SetReplaceLockedHandler(LockedFileHandler handler);
// Files of this run that wait for the restart to be replaced.
int ReplacementsAtRestart();

// The decoded bytes of a file go to a scratch file beside its target, which replaces the target
// only once it is whole: a new name of the scratch form there, or nothing when none is free.
std::string ScratchPathBeside(const std::string& target);
// A name of that form ("~vz1A2B3.tmp"): what a run killed while it wrote a file left, unrecorded.
bool IsScratchName(const std::string& name);

// Puts a finished scratch file in the place of `target` in one step. A file standing there is
// copied to the backups first; the journal keeps the new file's size and time, so that a change
// made to it later by someone else is never undone. `sha256`: the new file's hash as its writer
// computed it, kept with them.
bool CommitFile(const std::string& scratch, const std::string& target,
                const std::string& sha256 = {});
// The file a dry run would write in the place of `target`.
void PlanFile(const std::string& target, int64_t size);
// A file the run makes and removes again itself (an assembled archive): undone with the run if
// it is still there, never listed.
bool NoteTemporaryFile(const std::string& path);
// Replaces a system file's whole text (or makes the file), a copy of the old one kept; the file
// keeps its attributes (read-only, hidden, system) whatever the outcome. `description` is the
// line a person reads.
bool ReplaceTextFile(const std::string& path, const std::string& content,
                     const std::string& description);

// Keeps a copy of each data file under `dir` that a database task may change in place, and the
// names each folder holds, so that undoing the run puts the data back as it was and removes the
// files the tasks added. Links are not followed. Nothing in a dry run.
bool KeepDataFolder(const std::string& dir);

}  // namespace changes
