// Who may write what. The installer runs as an administrator or as SYSTEM while ordinary users
// share the machine: it runs, loads, follows and trusts only what they cannot change (its own
// private working folder, the installation's records folder, the system folder, the engine's
// registered folder). Everything else (the program and data folders, the temporary folder, the
// media, a user's answer file) is input: checked, never run from, never followed through a link.
// Every such decision is made here, so that the boundary reads whole.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace trust {

// --- Security descriptors of what the installer makes (SDDL). ---------------------------
//
// A folder the installer makes gets a protected descriptor ("P"): nothing is inherited from the
// folder above it, such as the "Authenticated Users: Modify" of a folder in the root of C:, and
// what is made inside inherits it ("OICI"). Administrators (BA) and SYSTEM (SY) have full
// control; Users (BU) get what the product's users need, never the right to change rights or
// owners. A directory is made with its descriptor in one step, so that no moment exists in which
// a user could open it.

// The run's own working folder, and the installation's records (journal, backups, uninstaller).
constexpr char kRunFolderSddl[] = "D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)";
constexpr char kRecordsFolderSddl[] = "D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)";
// The program directory: Users read and run (0x1200a9: read, execute, read attributes).
constexpr char kProgramFolderSddl[] = "D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)";
// The data folders the product's users write (DATA, NEW, a SERVER's data directory): Users
// modify (0x1301bf: read, write, execute, delete).
constexpr char kDataFolderSddl[] = "D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1301bf;;;BU)";
// The setup mutex, which tells one setup that another runs: only Administrators and SYSTEM open
// it.
constexpr char kSetupMutexSddl[] = "D:P(A;;GA;;;BA)(A;;GA;;;SY)";

// Makes the directory `path` with the descriptor `sddl`. False, with the system's last error,
// when the name exists already (also as a link: ERROR_ALREADY_EXISTS) or the directory cannot be
// made. Elsewhere than Windows: a directory only its owner enters.
bool MakeDirectoryWithDescriptor(const std::string& path, const char* sddl);

// The folder of one elevated run under `parent` (the temporary folder): a new directory whose
// name no user can guess and so make first, with kRunFolderSddl. Nothing when the system gives
// no random bytes or no directory can be made there.
std::optional<std::string> MakeRunFolder(const std::string& parent);
// The name of a run's folder from 16 random bytes, and whether a name is of that form.
std::string RunFolderName(const std::array<uint8_t, 16>& random);
bool IsRunFolderName(const std::string& name);
// Random bytes from the system's generator (RtlGenRandom); false when it has none.
bool RandomBytes(uint8_t* buffer, size_t size);
// The process's temporary folder, ending in a backslash: GetTempPath's answer (for SYSTEM, the
// Windows folder's TEMP, where every user may create files).
std::string TemporaryFolder();

// Appends `text` to the file `path`, made when it is missing, unless reaching it would follow a
// link: a symbolic link or junction in its place or in its path, or a file that has another
// name too (a hard link to a system file). Such a file is left as it is.
enum class Appended { kWritten, kLink, kNotOpened, kNotWritten };
Appended AppendWithoutLinks(const std::string& path, const std::string& text);

#ifdef _WIN32
// A mutex of the machine ("Global\...") with kSetupMutexSddl, made or, when it exists, opened;
// null when the name cannot be had as a mutex. The system's last error says which
// (ERROR_ALREADY_EXISTS for an existing one).
void* CreateSetupMutex(const std::string& name, bool owned);
// Whether a named object was made by Administrators or SYSTEM (or this very account, which runs
// elevated): any user can make a name first, and such an object says nothing.
bool MadeByAdministrators(void* object);
#endif

// --- Programs and libraries: started and loaded by full path from trusted folders only. ---
//
// A user may leave a program or a library under any bare name in the temporary folder, the
// program directory or a folder of PATH. So every program of ours that runs elevated searches
// its libraries in the system folder alone, is linked only against known DLLs (which Windows
// takes from the system folder whatever the search), names each program it starts by its full
// path in a folder only administrators write and starts it there, and loads the libraries it
// needs by full path: the engine's from the folder its registry key names (only administrators
// write it), the upgrade library from the run's own folder.

// A path that no current folder changes: from a drive's root (C:\...) or a share
// (\\server\share...). "C:" alone and "\folder" depend on a current folder of their own.
bool IsFullPath(const std::string& path);
// `file` in `folder`, with one backslash between them.
std::string InFolder(const std::string& folder, const std::string& file);

// The registry editor, which lives in the Windows folder. A 32-bit program on a 64-bit Windows
// is given the 32-bit one in its place, which writes the registry view the engine reads.
// Nothing when the folder is not named by a full path (Windows could not say).
std::optional<std::string> RegistryEditorPath(const std::string& windows_folder);
// The program that serves the DDE service `service` (Program Manager for "ProgMan"), where
// Windows keeps it: the system folder. Nothing as above.
std::optional<std::string> ServiceProgramPath(const std::string& system_folder,
                                              const std::string& service);

constexpr char kEngineLibrary[] = "IDAPI32.DLL";
// The engine's library in the first folder of its registered "DLLPATH" list (the engine lives in
// the first): nothing when the list names no folder by a full path (a drive's or a share's),
// since a relative one would be looked for from the current folder.
std::optional<std::string> EngineLibraryPath(const std::string& dll_path_list);

#ifdef _WIN32
// The first line of every elevated program of ours: libraries are looked for in the system
// folder alone. Where Windows cannot (Windows XP, Windows 7 before its 2011 loader update) the
// current folder at least leaves the search. False when neither could be done.
bool RestrictLibrarySearch();

// The system folder and the machine's Windows folder (the shared one, even under a terminal
// server, where a program's own Windows folder may be the user's); empty when Windows cannot
// say.
std::string SystemFolder();
std::string WindowsFolder();

// Loads a library by its full path; the libraries it needs come from its own folder and the
// system folder. Null, with the system's last error, when it cannot or the path is not full.
void* LoadLibraryByFullPath(const std::string& path);
#endif

// --- Folders and records: what the installation's journal may name; links never followed. --

// The installation's records (its journal, the uninstaller that Add or Remove Programs runs
// elevated) live in a folder of their own under Program Files, not under the common application
// data folder: there every user may create folders, so a user could make this one first and own
// it, while under Program Files only administrators create anything. The folder is still made
// with a descriptor of its own and checked like any other, in case an administrator loosened
// Program Files.
constexpr char kRecordsFolderName[] = "RidOZIZUZ Setup";
std::string RecordsFolderIn(const std::string& program_files);

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
