#include "app/uninstall.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "app/hand_off.h"
#include "app/run_folder.h"
#include "app/run_recovery.h"
#include "app/setup_lock.h"
#include "app/worker_copy.h"
#include "bde/registry_keys.h"
#include "changes/journal.h"
#include "changes/journal_bounds.h"
#include "changes/rollback.h"
#include "changes/system_win32.h"
#include "config/config_sys_update.h"
#include "forms/forms.h"
#include "log/debug_log.h"
#include "os/ansi_code_page.h"
#include "os/file_replace.h"
#include "os/os.h"
#include "os/run_and_wait.h"
#include "os/text_encoding.h"
#include "os/trust_boundary.h"
#include "state/exit_codes.h"
#include "ui/message/mesaj_dlg.h"
#include "upgrade/system_probe_win32.h"
#include "wizard/installation_entry.h"
#include "wizard/installation_records.h"
#include "wizard/progress_window.h"

namespace {

constexpr char kWorkerName[] = "VORTUNIN.EXE";

bool Removed(int code) {
  return code == kExitDone || code == kExitRestartNeeded;
}

// --- The first process: a copy in the run's own folder does the work. ----------------------

int Launch(const TSetupOptions& options) {
  if (AnotherSetupRuns()) {
    Refuse(options, kAnotherSetup);
    return kExitAnotherSetup;
  }
  const std::optional<WorkerCopy> worker =
      CopyWorker(options, kWorkerName, "Nu pot copia programul de dezinstalare in",
                 {"/UNINSTALLDIR=" + os::DirectoryOf(os::ProgramPath())});
  if (!worker) return kExitFailed;
  // The worker's exit code is the outcome.
  const int32_t code = os::RunAndWait(worker->command, SW_SHOWNORMAL);
  if (code == -1) {
    Refuse(options, "Nu pot porni " + worker->program);
    RemoveRunFolder(worker->folder, true);
    return kExitFailed;
  }
  // After a removal the worker's last copy runs from the folder: it removes this program, then
  // the folder. Otherwise nothing runs from it any more.
  if (!Removed(code)) RemoveRunFolder(worker->folder, true);
  return code;
}

// --- The copy: the removal itself. -----------------------------------------------------

std::optional<uint32_t> EngineUseCount() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, bde::kEngineKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return std::nullopt;
  char text[32] = "";
  DWORD size = sizeof text - 1, type = 0;
  const LONG r =
      RegQueryValueExA(key, "UseCount", nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(key);
  if (r != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  return static_cast<uint32_t>(std::strtoul(text, nullptr, 10));
}

bool IsUseCount(const changes::Change& c) {
  const std::string suffix = "|UseCount";
  return c.kind == changes::Kind::kRegistry && c.target.size() >= suffix.size() &&
         c.target.compare(c.target.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The folders of the user's data the installation made: its outermost data directories.
std::vector<std::string> DataFolders(const std::vector<changes::Change>& journal) {
  std::vector<std::string> outer;
  for (const std::string& dir : changes::OutermostDirectories(journal, changes::kScopeData)) {
    if (trust::IsLink(dir) || os::DirectoryExists(dir)) outer.push_back(dir);
  }
  return outer;
}

// A link in the tree is removed itself, never followed; a folder reached through one is left.
void RemoveTree(const std::string& dir) {
  if (const std::string link = trust::LinkOnPath(dir); !link.empty()) {
    if (link != dir || !trust::RemoveEntry(dir)) DebugNote("Legatura ramane: " + link);
    return;
  }
  for (const os::DirEntry& entry : os::ListDirectory(dir)) {
    const std::string path = os::WithTrailingBackslash(dir) + entry.name;
    if (entry.is_directory && !entry.is_link) {
      RemoveTree(path);
    } else {
      if (!entry.is_link) os::SetAttributes(path, os::kAttrNormal);
      if (!trust::RemoveEntry(path) && (entry.is_link || !os::RemoveAtRestart(path)))
        DebugNote("Nu pot sterge " + path);
    }
  }
  trust::RemoveEntry(dir);
}

changes::LockedFile AskAboutLockedFile(const TSetupOptions& options, const std::string& path) {
  if (options.Unattended()) {
    DebugNote("Fisier folosit, sters la repornire: " + path);
    return changes::LockedFile::kAtRestart;
  }
  return AskRetry(changes::FileInUseText(path), changes::kFileInUseCaption)
             ? changes::LockedFile::kRetry
             : changes::LockedFile::kLeave;
}

// The uninstaller runs from the installation's records folder, whose journal is trusted; one of
// an older release runs from the program directory, whose journal users may have written to and
// which may name nothing outside that directory.
int Remove(const std::string& dir, const TSetupOptions& options) {
  const std::optional<std::string> records = RecordsFolder();
  // Started by its short (8.3) name, the uninstaller is still the records folder's.
  const bool trusted = records && os::SamePath(os::LongPathForm(dir), *records);
  if (const std::string refusal = trusted ? trust::ExistingFolderRefusal(dir) : std::string();
      !refusal.empty()) {
    Refuse(options, refusal);
    return kExitFailed;
  }
  std::string program_dir = trusted ? upgrade::RegisteredProgramDirectory() : dir;
  if (program_dir.empty()) program_dir = dir;
  const std::string journal_path = os::WithTrailingBackslash(dir) + changes::kInstallationJournal;
  const std::vector<changes::Change> all = changes::LoadJournal(journal_path);
  if (all.empty()) {
    // Removed already, or by hand: an entry that names nothing goes too.
    changes::RemoveRegistryTree(kUninstallKey);
    MesajDlg("RidOZIZUZ nu mai este instalat in\r" + program_dir, "Dezinstalare", mtInformation,
             taCenter, kButtonsOK, mbOK, 0);
    return kExitDone;
  }
  if (!options.Unattended()) {
    const std::string data =
        options.remove_data ? "\rDatele vor fi sterse si ele." : "\rDatele raman pe calculator.";
    if (MesajDlg("Dezinstalez RidOZIZUZ din\r" + program_dir + "?" + data, "Dezinstalare",
                 mtConfirmation, taCenter, kButtonsYesNo, mbNo, 0) != mrYes) {
      return kExitCancelled;
    }
  }
  const changes::CheckedJournal checked = changes::CheckJournal(
      all,
      InstallationBounds(trusted, trusted ? std::vector<std::string>() : std::vector{dir}, dir));
  const std::vector<changes::Change>& journal = checked.accepted;
  std::unique_ptr<TProgressWindow> window;
  if (options.mode != TRunMode::kVerySilent) {
    window.reset(CreateForm<TProgressWindow>(&Application));
    Application.SetMainForm(window.get());
    window->Show();
    window->ShowStep("Dezinstalare RidOZIZUZ");
  }
  DebugBegin("Dezinstalare " + program_dir);
  for (const std::string& line : checked.refused) DebugNote("Refuzat din jurnal: " + line);
  // The engine goes only with its last product.
  const std::optional<uint32_t> use_count = EngineUseCount();
  const bool engine_shared = use_count && *use_count > 1;
  const std::string uninstaller = os::WithTrailingBackslash(dir) + kUninstallerName;
  changes::UndoOptions undo;
  undo.removal = true;
  undo.locked = [&](const std::string& path) { return AskAboutLockedFile(options, path); };
  undo.keep = [&](const changes::Change& c) {
    return (c.scope == changes::kScopeData && !options.remove_data) ||
           (c.scope == changes::kScopeEngine && engine_shared) || IsUseCount(c) ||
           (c.kind == changes::Kind::kTextFile && os::SamePath(c.target, config::kConfigSysPath)) ||
           os::SamePath(c.target, uninstaller);
  };
  const changes::UndoReport report = changes::Undo(journal, undo);
  if (use_count && EngineUseCount()) {
    const uint32_t left = *use_count > 0 ? *use_count - 1 : 0;
    changes::SetRegistryString(bde::kEngineKey, "UseCount", std::to_string(left));
    DebugNote("Motorul baza de date ramane, folosit de " + std::to_string(left) + " produse");
  }
  const std::vector<std::string> data = DataFolders(journal);
  if (options.remove_data) {
    for (const std::string& folder : data) RemoveTree(folder);
  }
  DebugNote("Setarea FILES din CONFIG.SYS ramane: alte programe se pot baza pe ea");
  for (const std::string& kept : report.changed)
    DebugNote("Ramane, schimbat dupa instalare: " + kept);
  if (!options.remove_data) {
    for (const std::string& folder : data) DebugNote("Datele raman in " + folder);
  }
  for (const std::string& gone : report.gone) DebugNote("Era deja sters: " + gone);
  for (const std::string& line : report.refused) DebugNote("Refuzat: " + line);
  for (const std::string& failure : report.failures) DebugNote("Nu am putut sterge: " + failure);
  DebugEnd("Dezinstalare " + program_dir);

  std::string text = report.failures.empty() ? "RidOZIZUZ a fost dezinstalat."
                                             : "RidOZIZUZ a fost dezinstalat, cu exceptia:";
  for (const std::string& failure : report.failures) text += "\r" + failure;
  if (!options.remove_data && !data.empty()) {
    text += "\r\rDatele au ramas in:";
    for (const std::string& folder : data) text += "\r" + folder;
  }
  if (!report.at_restart.empty()) text += "\r\rUnele fisiere se sterg la repornirea Windows.";
  window.reset();
  MesajDlg(text, "Dezinstalare", report.failures.empty() ? mtInformation : mtWarning, taLeftJustify,
           kButtonsOK, mbOK, 0);
  if (!report.failures.empty()) return kExitFailed;
  return report.at_restart.empty() ? kExitDone : kExitRestartNeeded;
}

// The uninstaller, the installation's journal and the folder that held them, once the rest is
// gone.
void RemoveLast(const std::string& dir) {
  for (const char* name : {kUninstallerName, changes::kInstallationJournal}) {
    const std::string path = os::WithTrailingBackslash(dir) + name;
    if (os::FileExists(path) && !os::RemoveFile(path)) os::RemoveAtRestart(path);
  }
  os::RemoveEmptyDirectory(dir);
}

// The uninstaller cannot go while it runs, waiting for this worker's exit code: a last copy of
// the worker waits for it to end and removes it then. It gets the uninstaller's process and an
// event it sets once it waits, both inherited: this worker ends only then, so that whoever waits
// for the worker's program finds the last copy running.
void RemoveLastAfterLauncher(const TSetupOptions& options, const std::string& dir) {
  const DWORD pid = options.launcher
                        ? static_cast<DWORD>(std::strtoul(options.launcher->c_str(), nullptr, 10))
                        : 0;
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE ready = CreateEventW(&inherited, TRUE, FALSE, nullptr);
  HANDLE launcher = pid ? OpenProcess(SYNCHRONIZE, TRUE, pid) : nullptr;
  const std::string command =
      QuoteArgument(os::ProgramPath()) + " /UNINSTALL " + QuoteArgument("/UNINSTALLDIR=" + dir) +
      " " +
      QuoteArgument("/REMOVEAFTER=" + std::to_string(reinterpret_cast<uintptr_t>(launcher)) + "," +
                    std::to_string(reinterpret_cast<uintptr_t>(ready)));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::optional<std::wstring> wide_command = os::Wide(command);
  if (ready && wide_command &&
      CreateProcessW(nullptr, wide_command->data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                     &startup, &process)) {
    const HANDLE either[] = {ready, process.hProcess};
    WaitForMultipleObjects(2, either, FALSE, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  } else {
    DebugNote("Programul de dezinstalare se sterge la repornirea Windows");
    for (const char* name : {kUninstallerName, changes::kInstallationJournal})
      os::RemoveAtRestart(os::WithTrailingBackslash(dir) + name);
    os::RemoveAtRestart(dir);
    RemoveRunFolder(os::DirectoryOf(os::ProgramPath()), true);
  }
  for (HANDLE handle : {launcher, ready}) {
    if (handle) CloseHandle(handle);
  }
}

// The last copy: waits for the uninstaller to end, removes it, and then its own folder (itself
// when Windows next starts).
int RemoveUninstaller(const TSetupOptions& options) {
  char* rest = nullptr;
  const auto handle = [&rest](const char* text) {
    return reinterpret_cast<HANDLE>(static_cast<uintptr_t>(std::strtoull(text, &rest, 10)));
  };
  const HANDLE launcher = handle(options.remove_after->c_str());
  const HANDLE ready = *rest == ',' ? handle(rest + 1) : nullptr;
  if (ready) {
    SetEvent(ready);
    CloseHandle(ready);
  }
  if (launcher) {
    WaitForSingleObject(launcher, 30000);
    CloseHandle(launcher);
  }
  RemoveLast(os::WithoutTrailingBackslash(*options.uninstall_dir));
  RemoveRunFolder(os::DirectoryOf(os::ProgramPath()), true);
  return kExitDone;
}

int Work(const TSetupOptions& options) {
  const TSetupLock lock;
  if (!lock.Acquired()) {
    Refuse(options, kAnotherSetup);
    return kExitAnotherSetup;
  }
  SetMessagesUnattended(options.Unattended());
  RecoverUnfinishedRun(options);
  // Started from the program directory, this copy would keep it as its current directory.
  os::ChangeDirectory(os::DirectoryOf(os::ProgramPath()));
  const std::string dir = os::WithoutTrailingBackslash(*options.uninstall_dir);
  int code = kExitFailed;
  try {
    code = Remove(dir, options);
  } catch (const std::exception& failure) {
    DebugNote(std::string("Eroare: ") + failure.what());
  }
  DebugNote("Cod de iesire " + std::to_string(code));
  if (Removed(code)) RemoveLastAfterLauncher(options, dir);
  return code;
}

}  // namespace

int RunUninstall(const TSetupOptions& options) {
  if (!options.uninstall_dir) return Launch(options);
  return options.remove_after ? RemoveUninstaller(options) : Work(options);
}
