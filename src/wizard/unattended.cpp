#include "wizard/unattended.h"

#include <exception>

#include "bde/configure_engine.h"
#include "changes/journal.h"
#include "config/config_sys_task.h"
#include "config/program_group.h"
#include "copy/brask_extraction.h"
#include "copy/fresh_copy.h"
#include "copy/upgrade_copy.h"
#include "forms/forms.h"
#include "log/debug_log.h"
#include "os/os.h"
#include "os/text_lines.h"
#include "state/exit_codes.h"
#include "ui/message/mesaj_dlg.h"
#include "unzip/brask_unzip.h"
#include "upgrade/find_app.h"
#include "upgrade/server_question.h"
#include "upgrade/upgrade_tasks.h"
#include "wizard/fresh/directories.h"
#include "wizard/installation_entry.h"
#include "wizard/installation_records.h"
#include "wizard/installation_road.h"
#include "wizard/media_proof.h"
#include "wizard/rollback_offer.h"
#include "wizard/wizard_driver.h"

namespace {

constexpr const char* kClientDatabaseMissing =
    "La instalarea client baza de date trebuie sa existe!";

// A failure that stops the run: written to the log and remembered.
void Fail(TInstallState& state, const std::string& text) {
  DebugNote("Eroare: " + os::OneLine(text));
  state.Failures.push_back(text);
}

// The copy's questions answered without a person: a missing disk is a failure, never a prompt.
class UnattendedCopyHost : public copy::CopyHost {
 public:
  UnattendedCopyHost(TInstallState& state, TProgressHost& progress)
      : state_(state), progress_(progress) {}

  void SetStatus(const std::string& text) override { progress_.ShowStep(text); }
  void SetGaugeMax(int max) override { max_ = max; }
  void SetGaugePosition(int position) override { progress_.ShowGauge(max_, position); }
  int AskForDisk(int disk, const std::string&) override {
    Fail(state_, "Discul de instalare " + std::to_string(disk) + " nu este in unitate.");
    return mrCancel;
  }
  void SetMessageSuffix(const std::string&) override {}
  void ShowError(const std::string& text) override {
    DebugNote("Eroare: " + os::OneLine(text));
    failed_ = true;
  }
  void ShowWarning(const std::string& text) override { DebugNote("Atentie: " + os::OneLine(text)); }
  void ShowPlainMessage(const std::string& text) override { DebugNote(os::OneLine(text)); }
  bool IsRemovableDrive(const std::string& root) override { return os::IsRemovableDrive(root); }
  void SetUnzipPosition(int percent) override { progress_.ShowGauge(100, percent); }
  bool AskRetry(const std::string& text, const std::string&) override {
    Fail(state_, text);
    return false;
  }
  // Nobody can end the program: its file is replaced at the next start of Windows.
  changes::LockedFile OnFileInUse(const std::string& path) override {
    DebugNote("Fisier folosit, inlocuit la repornire: " + path);
    return changes::LockedFile::kAtRestart;
  }

  bool Failed() const { return failed_; }

 private:
  TInstallState& state_;
  TProgressHost& progress_;
  int max_ = 0;
  bool failed_ = false;
};

// Whether a client upgrades the server's database: the answer file says, No when it does not.
class AnsweredQuestion : public upgrade::QuestionHost {
 public:
  explicit AnsweredQuestion(bool yes) : yes_(yes) {}
  void SetMessageSuffix(const std::string&) override {}
  int AskYesNo(const std::string&, const std::string& caption) override {
    DebugNote(caption + " -> " + (yes_ ? "Da" : "Nu"));
    return yes_ ? mrYes : mrNo;
  }

 private:
  bool yes_;
};

// The database tasks report through the log alone.
class UnattendedTasksHost : public upgrade::UpgradeDataHost {
 public:
  void ShowReportLabel(bool) override {}
  void SetReportText(const std::string&) override {}
  void SetReportColour(uint32_t) override {}
  void EnableButtons(bool) override {}
  void ShowMark(int, bool) override {}
  void MarkFailed(int) override {}
  void SetPanelDone(int, bool) override {}
  void ProcessMessages() override { Application.ProcessMessages(); }
};

bool Copy(copy::CopyController& controller, UnattendedCopyHost& host, TInstallState& state) {
  const int result = controller.Run();
  if (result != copy::kCopyDone && state.Failures.empty()) Fail(state, "Copierea nu s-a terminat.");
  return result == copy::kCopyDone && !host.Failed() && state.Failures.empty();
}

bool FreshRoad(TWizardContext& context, const TAnswers& answers, TProgressHost& progress) {
  TInstallState& state = context.state;
  state.InstallType = answers.type.value_or(itLocal);
  progress.ShowStep("Alegeti directoarele destinatie!");
  const std::string program = answers.program_dir.value_or(state.ProgramDirOffered);
  const std::string data = state.InstallType == itClient
                               ? answers.database.value_or(std::string())
                               : answers.data_dir.value_or(state.DataDirOffered);
  const DirectoryOutcome directories =
      StoreDirectories(state, program, data,
                       FreshRoomCheck(context.media, context.engine_registry,
                                      [&state](const std::string& text) {
                                        Fail(state, text);
                                        return false;
                                      }),
                       bde::ProgramFilesDirectory(context.engine_registry).value_or(std::string()),
                       /*every_level=*/true);
  for (const std::string& refusal : directories.refused) Fail(state, refusal);
  if (directories.client_database_missing) Fail(state, kClientDatabaseMissing);
  for (const std::string& dir : directories.not_created)
    Fail(state, "Directorul " + dir + " nu poate fi creat.");
  for (const std::string& line : directories.no_ansi_form) Fail(state, line);
  if (!directories.ok) return false;

  progress.ShowStep("Copiere fisiere Vortel");
  UnattendedCopyHost host(state, progress);
  copy::BraskExtraction<unzip::TBraskUnzip> port;
  copy::FreshCopy copy(state, host, port, context.engine_registry, context.media);
  if (!Copy(copy, host, state)) return false;

  progress.ShowStep("Configurare sistem");
  DoConfigBDE(state);
  DoConfigConfigSys(state);
  // A group that cannot be made is in the log; the product works without it.
  DoConfigGroup(state);
  return state.Failures.empty();
}

bool UpgradeRoad(TWizardContext& context, const TWizardServices& services, const TAnswers& answers,
                 const std::string& alias_path, TProgressHost& progress) {
  TInstallState& state = context.state;
  if (!services.load_upgrade_library()) {
    Fail(state, "Nu am putut incarca UPGRADE.DLL");
    return false;
  }
  if (!alias_path.empty() && !RestoreProductAlias(state, alias_path)) return false;
  progress.ShowStep(upgrade::kSearchTitle);
  upgrade::TFindAppLogic locate(state, context.library, context.probe);
  locate.FormCreate();
  locate.TrustFoundFoldersOnly();
  if (answers.program_dir) {
    locate.GivenDirectory(*answers.program_dir);
  } else {
    locate.NextClick(std::string());
  }
  if (!locate.NextEnabled() || locate.NextClick(locate.ProgramText()) != 1) {
    Fail(state, std::string(upgrade::kNotFoundText) + " " + locate.ProgramText());
    return false;
  }
  DebugNote("Directorul program: " + state.ProgramDir + ", date: " + state.DataDir);

  AnsweredQuestion question(answers.server_database.value_or(false));
  if (upgrade::ServerUpgradeQuestion(state, question)) state.InstallType = itServer;

  progress.ShowStep("Copiere fisiere Vortel");
  UnattendedCopyHost host(state, progress);
  copy::BraskExtraction<unzip::TBraskUnzip> port;
  copy::UpgradeCopy copy(state, host, port, context.media);
  if (!Copy(copy, host, state)) return false;

  if (state.InstallType == itClient) return true;
  progress.ShowStep("Actualizare baza de date");
  UnattendedTasksHost tasks_host;
  upgrade::TUpgDataLogic tasks(context.library, tasks_host);
  tasks.FormCreate();
  if (const std::string refusal = KeepDataForTasks(state); !refusal.empty()) {
    Fail(state, os::OneLine(refusal));
    return false;
  }
  tasks.RunTasks({true, true, true});
  for (int task = 0; task < upgrade::kTaskCount; ++task) {
    if (tasks.FailedTasks()[task]) Fail(state, upgrade::TaskFailureText(task));
  }
  return state.Failures.empty();
}

}  // namespace

std::string CheckAnswers(const TAnswers& answers) {
  if (answers.type == itClient && (!answers.database || !os::DirectoryExists(*answers.database)))
    return kClientDatabaseMissing;
  return {};
}

int RunUnattended(TWizardContext& context, const TWizardServices& services, const TAnswers& answers,
                  TProgressHost& progress) {
  TInstallState& state = context.state;
  bool done = false;
  try {
    // Nobody puts a disk in again: the refusal is in the log.
    if (!ProveMedia(context, [](const std::string&, const std::string&) { return false; }))
      return kExitFailed;
    const TInstallationFound installation = FindInstallation(services, context.probe);
    state.UpgradeMode = installation.found;
    std::string refusal;
    {
      // The upgrade library is unpacked into the program's own folder: no change to the machine.
      changes::Unjournaled own_work;
      refusal = PrepareUpgradeArchive(state, context.media);
    }
    if (refusal.empty()) refusal = MediaRefusal(context);
    if (!refusal.empty()) {
      Fail(state, refusal);
      return kExitFailed;
    }
    state.DiskCount = MediaDiskCount(context, os::DirectoryOf(os::ProgramPath()));
    done = state.UpgradeMode
               ? UpgradeRoad(context, services, answers, installation.alias_path, progress)
               : FreshRoad(context, answers, progress);
    if (done && !RegisterInstallation(state)) {
      Fail(state, "Nu pot scrie intrarea din Add or Remove Programs");
      done = false;
    }
  } catch (const std::exception& failure) {
    Fail(state, failure.what());
  }
  if (!done || !state.Failures.empty()) {
    // A failed run leaves the machine as it found it, as far as it can be put back.
    if (!changes::Planning()) RollBackRun(state, true);
    return kExitFailed;
  }
  if (changes::Planning()) return kExitDone;
  return state.RestartNeeded ? kExitRestartNeeded : kExitDone;
}
