// Who may write what. The installer runs as an administrator or as SYSTEM while ordinary users
// share the machine: it runs, loads, follows and trusts only what they cannot change (its own
// private working folder, the installation's records folder, the system folder, the engine's
// registered folder). Everything else (the program and data folders, the temporary folder, the
// media, a user's answer file) is input: checked, never run from, never followed through a link.
// Every such decision is made here, so that the boundary reads whole.
#pragma once

#include <cstdint>
#include <string>

namespace trust {

// --- Security descriptors of what the installer makes (SDDL). ---------------------------

// --- Programs and libraries: started and loaded by full path from trusted folders only. ---

// --- Folders and records: what the installation's journal may name; links never followed. --

// The installation's records (its journal, the uninstaller that Add or Remove Programs runs
// elevated) live in a folder of their own under Program Files, not under the common application
// data folder: there every user may create folders, so a user could make this one first and own
// it, while under Program Files only administrators create anything. The folder is still made
// with a descriptor of its own and checked like any other, in case an administrator loosened
// Program Files.
constexpr char kRecordsFolderName[] = "RidOZIZUZ Setup";
std::string RecordsFolderIn(const std::string& program_files);

// Descriptors of the folders the installer makes (may be shared with the private working
// folder's): the records for Administrators and SYSTEM only; the program directory also lets
// Users read and run; the data folders also let Users modify.
std::string RecordsFolderSddl();
std::string ProgramDirectorySddl();
std::string DataFolderSddl();
enum class FolderRole : uint8_t { kProgram, kData };
// What a new folder gets: nothing (the inherited rights) when the administrator keeps them
// (/PERMISSIONS=INHERIT), or for a program directory under Program Files, whose own rights
// already protect it.
std::string NewFolderSddl(FolderRole role, bool inherit_permissions, bool inside_program_files);

// `path` is `folder` or lies below it, compared as Windows compares names (without case, either
// separator, doubled separators as one). Never for a drive or share root, nor for a path with a
// "." or ".." step or a device prefix, which could lead out again.
bool PathInside(const std::string& path, const std::string& folder);

// Whom an existing folder may belong to: Administrators, SYSTEM, TrustedInstaller, or the account
// the installer runs as (an administrator; under Wine every folder is that account's, and one of
// another Unix user reads as ANONYMOUS LOGON).
bool TrustedOwner(const std::string& owner_sid, const std::string& own_sid);

// What is known of a folder the installer is given: the first step of its path that is a link
// (junction or symbolic link), and the owner of the folder when it exists.
struct FolderFacts {
  std::string link;
  bool exists = false;
  // Empty when the owner could not be read.
  std::string owner_sid;
};
// Why such a folder is refused, naming it, as a message shows it; nothing when it is not.
std::string FolderRefusal(const std::string& path, const FolderFacts& facts,
                          const std::string& own_sid);

// The system's side (Win32, POSIX for the native tests).
FolderFacts ReadFolderFacts(const std::string& path);
std::string OwnSid();
// FolderRefusal of the folder as the system has it.
std::string ExistingFolderRefusal(const std::string& path);
// `path` itself is a link, not followed. A volume mounted in a folder is no link: only
// administrators mount volumes.
bool IsLink(const std::string& path);
// The first step of `path` below its root, `path` included, that is a link; empty when none.
std::string LinkOnPath(const std::string& path);
// Makes one directory level with the descriptor (empty: the inherited rights).
bool MakeDirectoryWithSddl(const std::string& path, const std::string& sddl);
// Gives an existing folder the descriptor; what it holds inherits it.
bool ApplySddl(const std::string& path, const std::string& sddl);
// Removes the file, the empty directory or the link that `path` names, never what a link leads
// to; false when a step above it is a link, or when what was opened is not what was named.
bool RemoveEntry(const std::string& path);

}  // namespace trust
