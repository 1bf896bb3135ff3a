#include "app/uninstall.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "app/run_journal.h"
#include "app/setup_lock.h"
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

std::string TempDirectory() {
  return os::WithTrailingBackslash(os::GetEnv("TEMP").value_or(os::WindowsDirectory()));
}

std::string ResultPath(const std::string& launcher) {
  return TempDirectory() + "VORTUNIN." + launcher;
}

std::string DoneEvent(const std::string& launcher) {
  return "RidOZIZUZ.Uninstall." + launcher;
}

bool SamePath(std::string a, std::string b) {
  a = os::WithoutTrailingBackslash(a);
  b = os::WithoutTrailingBackslash(b);
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

// --- The first process: a copy does the work, this one waits for its outcome. ------------

int Launch(const TSetupOptions& options) {
  if (AnotherSetupRuns()) {
    Refuse(options, kAnotherSetup);
    return kExitAnotherSetup;
  }
  const std::string worker = TempDirectory() + kWorkerName;
  if (!os::CopyWholeFile(os::ProgramPath(), worker)) {
    Refuse(options, "Nu pot copia programul de dezinstalare in " + TempDirectory());
    return kExitFailed;
  }
  const std::string launcher = std::to_string(GetCurrentProcessId());
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, DoneEvent(launcher).c_str());
  std::string command = QuoteArgument(worker);
  for (const std::string& s : options.switches) command += " " + QuoteArgument(s);
  if (DebugSessionOpen() && !options.log_file)
    command += " " + QuoteArgument("/LOG=" + DebugLogPath());
  command += " " + QuoteArgument("/UNINSTALLDIR=" + os::DirectoryOf(os::ProgramPath()));
  command += " " + QuoteArgument("/LAUNCHER=" + launcher);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::optional<std::wstring> wide_command = os::Wide(command);
  if (!done || !wide_command ||
      !CreateProcessW(nullptr, wide_command->data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    if (done) CloseHandle(done);
    Refuse(options, "Nu pot porni " + worker);
    return kExitFailed;
  }
  const HANDLE waited[] = {done, process.hProcess};
  const DWORD which = WaitForMultipleObjects(2, waited, FALSE, INFINITE);
  DWORD code = kExitFailed;
  if (which == WAIT_OBJECT_0) {
    const std::optional<std::string> text = os::ReadWholeFile(ResultPath(launcher));
    code = text ? static_cast<DWORD>(std::strtoul(text->c_str(), nullptr, 10)) : kExitFailed;
  } else {
    GetExitCodeProcess(process.hProcess, &code);
  }
  os::RemoveFile(ResultPath(launcher));
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  CloseHandle(done);
  return static_cast<int>(code);
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
  const bool trusted = records && SamePath(os::LongPathForm(dir), *records);
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
           (c.kind == changes::Kind::kTextFile && SamePath(c.target, config::kConfigSysPath)) ||
           SamePath(c.target, uninstaller);
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

// Tells the waiting first process how the removal ended, then waits for it to go, since its
// file is the uninstaller that goes last.
void ReportToLauncher(const std::string& launcher, int code) {
  os::File result = os::File::Open(ResultPath(launcher), os::OpenMode::kCreate);
  const std::string text = std::to_string(code);
  if (result) result.Write(text.data(), static_cast<uint32_t>(text.size()));
  result.Close();
  if (HANDLE done = OpenEventA(EVENT_MODIFY_STATE, FALSE, DoneEvent(launcher).c_str())) {
    SetEvent(done);
    CloseHandle(done);
  }
  const DWORD pid = static_cast<DWORD>(std::strtoul(launcher.c_str(), nullptr, 10));
  if (HANDLE first = OpenProcess(SYNCHRONIZE, FALSE, pid)) {
    WaitForSingleObject(first, 30000);
    CloseHandle(first);
  }
}

// The uninstaller, the installation's journal and the folder that held them, once the rest is
// gone; this copy itself when Windows next starts.
void RemoveLast(const std::string& dir, int code) {
  if (code == kExitDone || code == kExitRestartNeeded) {
    for (const char* name : {kUninstallerName, changes::kInstallationJournal}) {
      const std::string path = os::WithTrailingBackslash(dir) + name;
      if (os::FileExists(path) && !os::RemoveFile(path)) os::RemoveAtRestart(path);
    }
    os::RemoveEmptyDirectory(dir);
  }
  os::RemoveAtRestart(os::ProgramPath());
}

int Work(const TSetupOptions& options) {
  const TSetupLock lock;
  if (!lock.Acquired()) {
    Refuse(options, kAnotherSetup);
    return kExitAnotherSetup;
  }
  SetMessagesUnattended(options.Unattended());
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
  if (options.launcher) ReportToLauncher(*options.launcher, code);
  RemoveLast(dir, code);
  return code;
}

}  // namespace

int RunUninstall(const TSetupOptions& options) {
  return options.uninstall_dir ? Work(options) : Launch(options);
}
