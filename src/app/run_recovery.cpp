#include "app/run_recovery.h"

#include <windows.h>

#include <cstdlib>

#include "app/run_folder.h"
#include "app/setup_lock.h"
#include "app/unfinished_run.h"
#include "app/worker_copy.h"
#include "bde/engine.h"
#include "changes/journal.h"
#include "changes/rollback.h"
#include "log/debug_log.h"
#include "os/os.h"
#include "os/run_and_wait.h"
#include "os/text_lines.h"
#include "os/trust_boundary.h"
#include "state/exit_codes.h"
#include "ui/message/mesaj_dlg.h"
#include "wizard/installation_records.h"
#include "wizard/rollback_offer.h"

namespace {

constexpr char kWorkerName[] = "VORTRECV.EXE";

// The copies of what could not be put back stay, under a name of their own, for whoever puts
// it back by hand; none is ever lost.
std::string SetCopiesAside(const std::string& records) {
  const std::string copies = InRecords(records, kUnfinishedCopies);
  if (os::ListDirectory(copies).empty()) return {};
  for (int n = 1; n < 1000; ++n) {
    const std::string aside = InRecords(records, ("KEPT" + std::to_string(n) + ".BAK").c_str());
    if (os::DirectoryExists(aside) || os::FileExists(aside)) continue;
    return os::MoveReplace(copies, aside) ? aside : copies;
  }
  return copies;
}

void RemoveCopies(const std::string& records) {
  const std::string copies = InRecords(records, kUnfinishedCopies);
  for (const os::DirEntry& entry : os::ListDirectory(copies)) {
    const std::string path = os::WithTrailingBackslash(copies) + entry.name;
    os::SetAttributes(path, os::kAttrNormal);
    os::RemoveFile(path);
  }
  os::RemoveEmptyDirectory(copies);
}

void Tell(const TSetupOptions& options, const std::string& text, bool whole) {
  DebugNote(os::OneLine(text));
  if (options.Unattended()) return;
  MesajDlg(text, "Instalare intrerupta", whole ? mtInformation : mtWarning, taLeftJustify,
           kButtonsOK, mbOK, 0);
}

void WaitForLauncher(const TSetupOptions& options) {
  if (!options.launcher) return;
  const DWORD pid = static_cast<DWORD>(std::strtoul(options.launcher->c_str(), nullptr, 10));
  HANDLE launcher = pid ? OpenProcess(SYNCHRONIZE, FALSE, pid) : nullptr;
  if (!launcher) return;
  WaitForSingleObject(launcher, 30000);
  CloseHandle(launcher);
}

int LaunchRecovery(const TSetupOptions& options) {
  if (AnotherSetupRuns()) {
    Refuse(options, kAnotherSetup);
    return kExitAnotherSetup;
  }
  const std::optional<WorkerCopy> worker =
      CopyWorker(options, kWorkerName, "Nu pot copia programul in", {});
  if (!worker) return kExitFailed;
  // Windows started the records folder's copy: it ends at once, so that the worker removes it.
  const std::optional<std::string> records = RecordsFolder();
  if (records && os::SamePath(os::ProgramPath(), InRecords(*records, kRecoveryProgram))) {
    if (os::StartProgram(worker->command, SW_SHOWNORMAL)) return kExitDone;
    RemoveRunFolder(worker->folder, true);
    return kExitFailed;
  }
  const int32_t code = os::RunAndWait(worker->command, SW_SHOWNORMAL);
  RemoveRunFolder(worker->folder, true);
  return code == -1 ? kExitFailed : code;
}

}  // namespace

bool RecoverUnfinishedRun(const TSetupOptions& options) {
  const std::optional<std::string> records = RecordsFolder();
  if (!records || !os::DirectoryExists(*records)) return true;
  if (const std::string refusal = trust::ExistingFolderRefusal(*records); !refusal.empty()) {
    DebugNote("Nu iau in seama inregistrarile din " + *records + ": " + os::OneLine(refusal));
    return true;
  }
  HandOnFinishedJournal(*records);
  const std::string journal = InRecords(*records, kUnfinishedJournal);
  if (!os::FileExists(journal)) {
    RemoveCopies(*records);
    DisarmRecovery(*records);
    return true;
  }
  const std::vector<changes::Change> run = changes::LoadJournal(journal);
  const std::string began = RunBegan(run).value_or("?");
  DebugBegin("Anulare instalare intrerupta din " + began);
  const changes::JournalBounds bounds =
      InstallationBounds(true, {}, InRecords(*records, kUnfinishedCopies));
  changes::UndoOptions undo;
  undo.bounds = &bounds;
  undo.interrupted = true;
  undo.locked = [](const std::string&) { return changes::LockedFile::kAtRestart; };
  const changes::UndoReport report = changes::Undo(WithoutRecordsFolder(run), undo);
  bde::CloseEngine();
  LogUndoReport(report);
  DebugEnd("Anulare instalare intrerupta din " + began);

  std::string text = "O instalare RidOZIZUZ inceputa la " + began + " nu s-a terminat.\r";
  const bool whole = report.failures.empty();
  if (whole) {
    text += "Am pus la loc ce schimbase (" + std::to_string(report.undone) + " schimbari).";
    RemoveCopies(*records);
  } else {
    text += "Nu am putut pune la loc:";
    for (const std::string& failure : report.failures) text += "\r" + failure;
    if (const std::string aside = SetCopiesAside(*records); !aside.empty())
      text += "\rCopiile fisierelor inlocuite sunt in\r" + aside;
  }
  if (!report.at_restart.empty()) text += "\rUnele fisiere se sterg la repornirea Windows.";
  os::RemoveFile(journal);
  DisarmRecovery(*records);
  Tell(options, text, whole);
  return whole;
}

int RunRecovery(const TSetupOptions& options) {
  if (!IsRunFolder(os::DirectoryOf(os::ProgramPath()))) return LaunchRecovery(options);
  WaitForLauncher(options);
  const TSetupLock lock;
  if (!lock.Acquired()) {
    Refuse(options, kAnotherSetup);
    return kExitAnotherSetup;
  }
  SetMessagesUnattended(options.Unattended());
  const bool whole = RecoverUnfinishedRun(options);
  RemoveRunFolder(os::DirectoryOf(os::ProgramPath()), true);
  return whole ? kExitDone : kExitFailed;
}
