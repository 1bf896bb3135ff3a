#include "app/repair.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "app/publisher_key.h"
#include "app/run_folder.h"
#include "app/run_journal.h"
#include "app/run_recovery.h"
#include "app/setup_lock.h"
#include "changes/files.h"
#include "changes/journal.h"
#include "changes/journal_bounds.h"
#include "copy/signed_media.h"
#include "forms/forms.h"
#include "log/debug_log.h"
#include "os/os.h"
#include "os/rsa_signature.h"
#include "os/text_lines.h"
#include "os/trust_boundary.h"
#include "state/exit_codes.h"
#include "ui/message/mesaj_dlg.h"
#include "upgrade/system_probe_win32.h"
#include "wizard/installation_records.h"
#include "wizard/progress_window.h"
#include "wizard/repair_machine.h"

namespace {

constexpr int kExitNotWhole = 1;
constexpr char kCaption[] = "Reparare RidOZIZUZ";

// The kit's disks as the repair asks for them; unattended, a missing disk is a failure.
class KitHost : public copy::AssemblyHost {
 public:
  void SetStatus(const std::string& text) override { DebugNote(text); }
  void SetGaugeMax(int) override {}
  void SetGaugePosition(int) override {}
  int AskForDisk(int disk, const std::string& text) override {
    if (MessagesUnattended()) {
      DebugNote("Eroare: discul de instalare " + std::to_string(disk) + " nu este in unitate");
      return mrCancel;
    }
    return MesajDlg(text, kCaption, mtInformation, taCenter, kButtonsOKCancel, mbOK, 0);
  }
  void SetMessageSuffix(const std::string&) override {}
  void ShowError(const std::string& text) override {
    DebugNote("Eroare: " + os::OneLine(text));
    MesajDlg(text, kCaption, mtError, taCenter, kButtonsOK, mbOK, 0);
  }
  void ShowWarning(const std::string& text) override { DebugNote("Atentie: " + os::OneLine(text)); }
  void ShowPlainMessage(const std::string& text) override { DebugNote(os::OneLine(text)); }
  bool IsRemovableDrive(const std::string& root) override { return os::IsRemovableDrive(root); }
  bool AskRetry(const std::string& text, const std::string& caption) override {
    DebugNote(os::OneLine(text));
    return ::AskRetry(text, caption);
  }
};

// Shown to a person; always in the log.
void Tell(const TSetupOptions& options, const std::string& text, TMsgDlgType type) {
  DebugNote(os::OneLine(text));
  if (!options.Unattended()) MesajDlg(text, kCaption, type, taLeftJustify, kButtonsOK, mbOK, 0);
}

// The lines a message shows, so many that it still fits the screen; the log has them all.
std::string Listed(const std::vector<std::string>& lines) {
  constexpr size_t kShown = 15;
  std::string text;
  for (size_t i = 0; i < lines.size() && i < kShown; ++i) text += "\r" + lines[i];
  if (lines.size() > kShown) text += "\r... si inca " + std::to_string(lines.size() - kShown);
  return text;
}

struct Installation {
  std::string program_dir;
  std::vector<changes::Change> journal;
};

// The installation's journal, from its records folder only, and only the lines that name what
// the installation made or was given; the refusal when there is none to trust.
std::string ReadInstallation(Installation& found) {
  const std::optional<std::string> records = RecordsFolder();
  const std::string journal =
      records ? *records + "\\" + changes::kInstallationJournal : std::string();
  if (!records || !os::FileExists(journal))
    return "RidOZIZUZ nu este instalat pe acest calculator (nu gasesc " +
           (records ? journal : std::string("Program Files")) + ").";
  if (const std::string refusal = trust::ExistingFolderRefusal(*records); !refusal.empty())
    return refusal;
  const changes::CheckedJournal checked =
      changes::CheckJournal(changes::LoadJournal(journal), InstallationBounds(true, {}, *records));
  for (const std::string& line : checked.refused) DebugNote("Refuzat din jurnal: " + line);
  found.journal = checked.accepted;
  found.program_dir = upgrade::RegisteredProgramDirectory();
  return {};
}

// The files to put back, each found in the kit with the bytes the installation wrote; nothing is
// changed when one is not.
bool FindInKit(const TSetupOptions& options, const std::string& kit_dir,
               const std::vector<changes::RepairItem>& items, TRepairKit& kit) {
  const bool needs_kit = std::any_of(items.begin(), items.end(), [](const auto& item) {
    return item.change.kind == changes::Kind::kFile;
  });
  if (!needs_kit) return true;
  if (kit_dir.empty()) {
    Tell(options, "Pentru fisiere este nevoie de kitul de instalare (/MEDIA=).", mtError);
    return false;
  }
  const copy::MediaReading media =
      copy::ReadSignedMedia(kit_dir, PublisherKey(), options.answers.allow_unsigned.value_or(false),
                            &os::VerifyRsaSha256);
  if (!media.note.empty()) DebugNote(media.note);
  if (!media.refusal.empty()) {
    Tell(options, "Kit refuzat: " + media.refusal, mtError);
    return false;
  }
  KitHost host;
  if (!kit.Open(host, media.manifest ? &*media.manifest : nullptr)) {
    Tell(options, "Arhivele kitului din " + kit_dir + " nu pot fi citite.", mtError);
    return false;
  }
  std::vector<std::string> missing;
  for (const changes::RepairItem& item : items) {
    std::string why;
    if (item.change.kind == changes::Kind::kFile && !kit.Find(item.change, why))
      missing.push_back(item.change.target + ": " + why);
  }
  if (missing.empty()) return true;
  for (const std::string& line : missing) DebugNote("Nu este in kit: " + line);
  Tell(options,
       "Kitul din " + kit_dir + " nu corespunde versiunii instalate; nu am schimbat nimic." +
           Listed(missing),
       mtError);
  return false;
}

changes::LockedFile AskAboutLockedFile(const TSetupOptions& options, const std::string& path) {
  if (options.Unattended()) {
    DebugNote("Fisier folosit, inlocuit la repornire: " + path);
    return changes::LockedFile::kAtRestart;
  }
  return AskRetry(changes::FileInUseText(path), changes::kFileInUseCaption)
             ? changes::LockedFile::kRetry
             : changes::LockedFile::kAtRestart;
}

std::vector<std::string> Lines(const std::vector<changes::RepairItem>& items) {
  std::vector<std::string> lines;
  for (const changes::RepairItem& item : items) lines.push_back(changes::RepairItemText(item));
  return lines;
}

// What the person agrees to put back: what was found, and the files another program changed only
// when asked for by name. Nothing when the person said No.
std::optional<std::vector<changes::RepairItem>> Agreed(
    std::vector<changes::RepairItem> items, const std::vector<changes::RepairItem>& left) {
  if (!items.empty() &&
      MesajDlg("Am gasit:" + Listed(Lines(items)) + "\r\rLe repar din kit?", kCaption,
               mtConfirmation, taLeftJustify, kButtonsYesNo, mbYes, 0) != mrYes)
    return std::nullopt;
  if (!left.empty() &&
      MesajDlg("Aceste fisiere au fost schimbate de alt program:" + Listed(Lines(left)) +
                   "\r\rLe inlocuiesc si pe ele cu cele din kit?",
               kCaption, mtConfirmation, taLeftJustify, kButtonsYesNo, mbNo, 0) == mrYes)
    items.insert(items.end(), left.begin(), left.end());
  return items;
}

int Repair(const TSetupOptions& options, const std::string& kit_dir, const std::string& work_dir,
           const Installation& installation, std::vector<changes::RepairItem> items) {
  TRepairKit kit(kit_dir, work_dir);
  if (!FindInKit(options, kit_dir, items, kit)) return kExitFailed;
  if (const std::string refusal = BeginRunJournal(work_dir, {}); !refusal.empty()) {
    Tell(options, refusal, mtError);
    return kExitFailed;
  }
  std::unique_ptr<TProgressWindow> window;
  if (options.mode != TRunMode::kVerySilent) {
    window.reset(CreateForm<TProgressWindow>(&Application));
    Application.SetMainForm(window.get());
    window->Show();
    window->ShowStep(kCaption);
  }
  const changes::LockedFileHandler previous = changes::SetReplaceLockedHandler(
      [&](const std::string& path) { return AskAboutLockedFile(options, path); });
  const RepairOutcome outcome = PutBack(items, &kit, installation.program_dir);
  changes::SetReplaceLockedHandler(previous);
  TInstallState state;
  state.ProgramDir = installation.program_dir;
  FinishRunJournal(state, work_dir);
  window.reset();
  for (const std::string& line : outcome.repaired) DebugNote("Reparat: " + line);
  for (const std::string& line : outcome.failures) DebugNote("Nu am putut repara: " + line);
  const bool at_restart = changes::ReplacementsAtRestart() > 0;
  if (!outcome.failures.empty()) {
    Tell(options, "RidOZIZUZ a fost reparat, cu exceptia:" + Listed(outcome.failures), mtWarning);
    return kExitFailed;
  }
  Tell(options,
       std::string("RidOZIZUZ a fost reparat.") +
           (at_restart ? "\rUnele fisiere se inlocuiesc la repornirea Windows." : ""),
       mtInformation);
  return at_restart ? kExitRestartNeeded : kExitDone;
}

int CheckAndRepair(const TSetupOptions& options, const std::string& kit_dir,
                   const std::string& work_dir) {
  Installation installation;
  if (const std::string refusal = ReadInstallation(installation); !refusal.empty()) {
    Refuse(options, refusal);
    return options.verify ? kExitNotWhole : kExitFailed;
  }
  const std::vector<changes::RepairItem> found =
      CheckThisMachine(installation.journal, installation.program_dir);
  std::vector<changes::RepairItem> items, left;
  for (const changes::RepairItem& item : found) {
    const bool repaired = changes::RepairedByDefault(item);
    DebugNote((repaired ? "Gasit: " : "Ramane: ") + changes::RepairItemText(item));
    (repaired ? items : left).push_back(item);
  }
  // Files another program changed are named; only a person may have them put back.
  if (items.empty() && (left.empty() || options.verify || options.Unattended())) {
    Tell(options, "RidOZIZUZ este intreg: nimic de reparat.", mtInformation);
    return kExitDone;
  }
  if (options.verify) {
    Tell(options, "RidOZIZUZ nu este intreg:" + Listed(Lines(items)), mtWarning);
    return kExitNotWhole;
  }
  if (!options.Unattended()) {
    const std::optional<std::vector<changes::RepairItem>> agreed = Agreed(items, left);
    if (!agreed) return kExitCancelled;
    items = *agreed;
    if (items.empty()) return kExitDone;
  }
  return Repair(options, kit_dir, work_dir, installation, items);
}

}  // namespace

int RunRepair(const TSetupOptions& options, const std::string& kit_dir, bool working_copy) {
  const TSetupLock lock;
  if (!lock.Acquired()) {
    Refuse(options, kAnotherSetup);
    return kExitAnotherSetup;
  }
  SetMessagesUnattended(options.Unattended());
  // A check changes nothing; a repair starts from what an interrupted run had changed undone.
  if (!options.verify) RecoverUnfinishedRun(options);
  const std::string name = options.verify ? "Verificare" : "Reparare";
  DebugBegin(name + " RidOZIZUZ");
  const std::string work_dir = options.verify ? std::string() : RunFolder();
  int code = kExitFailed;
  try {
    if (!options.verify && work_dir.empty()) {
      Refuse(options, "Nu pot face dosarul de lucru in " + trust::TemporaryFolder());
    } else {
      code = CheckAndRepair(options, os::WithoutTrailingBackslash(kit_dir), work_dir);
    }
  } catch (const std::exception& failure) {
    DebugNote(std::string("Eroare: ") + failure.what());
  }
  DebugNote("Cod de iesire " + std::to_string(code));
  DebugEnd(name + " RidOZIZUZ");
  if (!work_dir.empty()) RemoveRunFolder(work_dir, !(working_copy && options.Unattended()));
  return code;
}
