#include "wizard/rollback_offer.h"

#include "changes/journal.h"
#include "changes/rollback.h"
#include "log/debug_log.h"
#include "os/os.h"
#include "ui/message/mesaj_dlg.h"
#include "wizard/installation_records.h"

void LogUndoReport(const changes::UndoReport& report) {
  for (const std::string& line : report.refused) DebugNote("Refuzat: " + line);
  for (const std::string& kept : report.kept) DebugNote("Nu poate fi anulat: " + kept);
  for (const std::string& failure : report.failures) DebugNote("Nu am putut anula: " + failure);
  DebugNote(std::to_string(report.undone) + " schimbari anulate");
}

bool RollBackRun(TInstallState& state, bool quiet) {
  DebugBegin("Anulare instalare");
  // The copy works in the program directory; a current directory cannot be removed.
  os::ChangeDirectory(os::DirectoryOf(os::ProgramPath()));
  const changes::JournalBounds bounds = InstallationBounds(true, {}, changes::BackupDirectory());
  changes::UndoOptions options;
  options.bounds = &bounds;
  const changes::UndoReport report =
      changes::Undo(WithoutRecordsFolder(changes::RunChanges()), options);
  state.RolledBack = true;
  LogUndoReport(report);
  DebugEnd("Anulare instalare");
  if (report.failures.empty()) return true;
  if (!quiet) {
    std::string text = "Nu am putut pune la loc:";
    for (const std::string& failure : report.failures) text += "\r" + failure;
    MesajDlg(text, "Eroare!", mtError, taLeftJustify, kButtonsOK, mbOK, 0);
  }
  return false;
}

bool OfferRollback(TInstallState& state) {
  std::string text = "Instalarea nu s-a putut termina:";
  for (const std::string& failure : state.Failures) text += "\r" + failure;
  text += "\r\rAnulez instalarea si pun la loc ce era inainte?";
  // Asked during the copy, whose disk prompts carry a suffix: the question ends with its "?".
  const WithoutMessageSuffix plain;
  if (MesajDlg(text, "Eroare!", mtConfirmation, taCenter, kButtonsYesNo, mbYes, 0) != 6) {
    return false;
  }
  RollBackRun(state, false);
  return true;
}
