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

// --- Folders and records: what the installation's journal may name; links never followed. --

}  // namespace trust
