#include "app/startup.h"

#include <windows.h>

#include <clocale>
#include <memory>

#include "app/answer_file.h"
#include "app/background_window.h"
#include "app/command_line.h"
#include "app/hand_off.h"
#include "app/publisher_key.h"
#include "app/repair.h"
#include "app/run_folder.h"
#include "app/run_journal.h"
#include "app/run_recovery.h"
#include "app/setup_lock.h"
#include "app/uninstall.h"
#include "bde/engine.h"
#include "bde/engine_registry_win32.h"
#include "changes/system_win32.h"
#include "config/control_registration.h"
#include "config/program_group.h"
#include "forms/forms.h"
#include "log/debug_log.h"
#include "os/os.h"
#include "os/rsa_signature.h"
#include "os/run_and_wait.h"
#include "os/trust_boundary.h"
#include "state/exit_codes.h"
#include "state/install_state.h"
#include "ui/message/mesaj_dlg.h"
#include "upgrade/server_question_win32.h"
#include "upgrade/system_probe_win32.h"
#include "upgrade/upgrade_library.h"
#include "upgrade/upgrade_library_wrappers.h"
#include "wizard/progress_window.h"
#include "wizard/unattended.h"
#include "wizard/wizard_driver.h"

namespace {

// The answers of the answer file with the switches over them; nothing when the file is wrong.
std::optional<TAnswers> GatherAnswers(const TSetupOptions& options) {
  TAnswers answers;
  if (options.answers_file) {
    std::string error;
    std::string read_as;
    const std::optional<TAnswers> from_file =
        ReadAnswerFile(*options.answers_file, error, &read_as);
    if (!read_as.empty()) DebugNote("Fisier de raspunsuri: " + read_as);
    if (!from_file) {
      Refuse(options, error);
      return std::nullopt;
    }
    answers = *from_file;
  }
  answers = MergeAnswers(answers, options.answers);
  if (const std::string wrong = CheckAnswers(answers); !wrong.empty()) {
    Refuse(options, wrong);
    return std::nullopt;
  }
  return answers;
}

// The media start waits for its working copy when nobody is there to change a disk.
bool MediaStartWaits(const TSetupOptions& options) {
  return options.Unattended();
}

// Copies the program into the run's own folder and starts it there with the same switches.
// An unattended start waits for the copy and ends with its exit code, as a deployment tool
// waits for the process it started, and then removes the folder; an interactive one ends at
// once, so that a floppy can be changed while the copy runs, and the copy removes what it can.
int MediaStart(const std::string& argument0, const TSetupOptions& options) {
  if (AnotherSetupRuns()) {
    Refuse(options, kAnotherSetup);
    return kExitAnotherSetup;
  }
  const std::string media_dir = MediaDirFrom(argument0, os::ProgramPath());
  const std::string work_dir = RunFolder();
  if (work_dir.empty()) {
    MesajDlg(
        "Nu pot face dosarul de lucru in\r" + trust::TemporaryFolder() + "\rInstalarea se opreste.",
        "", mtError, taCenter, kButtonsOK, mbOK, 0);
    return kExitFailed;
  }
  DebugNote("Dosarul de lucru: " + work_dir);
  const HandOffOutcome outcome = PrepareWorkingCopy(media_dir, work_dir + "\\");
  if (!outcome.ok) {
    MesajDlg("Fisierul\r" + outcome.failed_file + "\rnu poate fi copiat.\rInstalarea se opreste.",
             "", mtError, taCenter, kButtonsOK, mbOK, 0);
    RemoveRunFolder(work_dir, true);
    return kExitFailed;
  }
  std::string command_line = RelaunchCommandLine(work_dir, DebugEnabled);
  for (const std::string& s : options.switches) command_line += " " + QuoteArgument(s);
  if (!MediaStartWaits(options)) {
    os::StartProgram(command_line, SW_SHOW);
    return kExitDone;
  }
  const int32_t code = os::RunAndWait(command_line, SW_SHOWNORMAL);
  RemoveRunFolder(work_dir, true);
  return code == -1 ? kExitFailed : code;
}

// What the start-up binds the pages' decisions to: this machine's registry, drives, profile,
// engine and upgrade library.
struct SystemParts {
  bde::SystemEngineRegistry engine_registry;
  upgrade::UpgradeLibraryWrappers library;
  upgrade::SystemProbeWin32 probe;
  TWizardServices services{&bde::ProductAliasExists, &upgrade::LoadUpgradeLibrary,
                           &upgrade::AskServerUpgrade};
  std::optional<copy::SignedMedia> media;

  TWizardContext Context(TInstallState& state, const TSetupOptions& options) {
    // Windows may end this program before its own end: the run's records are closed first, or
    // the next start of Windows would undo the finished installation.
    TRestartRequest restart = [&state] {
      FinishRunJournal(state, os::DirectoryOf(os::ProgramPath()));
      return RestartWindows();
    };
    if (options.no_restart) {
      restart = [] {
        DebugNote("Repornirea nu este permisa (/NORESTART)");
        return false;
      };
    }
    media.emplace(state.SourceDir, PublisherKey(), state.AllowUnsigned, &os::VerifyRsaSha256);
    return {state, engine_registry, library, probe, restart, nullptr, &*media};
  }
};

int WizardStart(TInstallState& state, const TSetupOptions& options) {
  SystemParts parts;
  TWizardContext context = parts.Context(state, options);
  const std::unique_ptr<TForm> background(CreateBackgroundWindow());
  Application.SetMainForm(background.get());
  background->Show();
  return RunWizard(context, parts.services);
}

int UnattendedStart(TInstallState& state, const TSetupOptions& options, const TAnswers& answers) {
  SetMessagesUnattended(true);
  SystemParts parts;
  TWizardContext context = parts.Context(state, options);
  TNoProgress nothing;
  std::unique_ptr<TProgressWindow> window;
  if (options.mode == TRunMode::kSilent) {
    window.reset(CreateForm<TProgressWindow>(&Application));
    Application.SetMainForm(window.get());
    window->Show();
  }
  const int code = RunUnattended(context, parts.services, answers,
                                 window ? *window : static_cast<TProgressHost&>(nothing));
  DebugNote("Cod de iesire " + std::to_string(code));
  if (code == kExitRestartNeeded && answers.restart_if_needed.value_or(false) &&
      !context.restart()) {
    DebugNote("Windows a refuzat repornirea");
  }
  return code;
}

// The answers offered to the person as the pages' first values.
void Offer(TInstallState& state, const TAnswers& answers) {
  if (answers.type) state.InstallType = *answers.type;
  state.InheritPermissions = answers.inherit_permissions.value_or(false);
  if (answers.program_dir) state.ProgramDirOffered = state.ProgramDir = *answers.program_dir;
  const std::optional<std::string>& data =
      state.InstallType == itClient ? answers.database : answers.data_dir;
  if (data) state.DataDirOffered = state.DataDir = *data;
}

// What the person chose, for an administrator to install other machines the same way.
TAnswers ChosenAnswers(const TInstallState& state) {
  TAnswers answers;
  if (state.InstallType != itNone) answers.type = state.InstallType;
  answers.program_dir = state.ProgramDir;
  if (state.InstallType == itServer) answers.data_dir = state.DataDir;
  if (state.InstallType == itClient) answers.database = state.DataDir;
  if (state.InheritPermissions) answers.inherit_permissions = true;
  return answers;
}

// What this program opened of the engine and the upgrade library goes with it.
void ReleaseLibraries() {
  bde::CloseEngine();
  upgrade::UnloadUpgradeLibrary();
}

int WorkingStart(const std::string& source_dir, const TSetupOptions& options,
                 const TAnswers& answers) {
  const TSetupLock lock;
  if (!lock.Acquired()) {
    Refuse(options, kAnotherSetup);
    return kExitAnotherSetup;
  }
  TInstallState state;
  state.SourceDir = source_dir;
  state.EntryHidden = options.system_component;
  state.AllowUnsigned = answers.allow_unsigned.value_or(false);
  Offer(state, answers);
  const std::string work_dir = os::DirectoryOf(os::ProgramPath());
  // A dry run changes nothing, not even what an interrupted run left.
  if (!options.plan_file) RecoverUnfinishedRun(options);
  if (const std::string refusal =
          BeginRunJournal(work_dir, options.plan_file.value_or(std::string()));
      !refusal.empty()) {
    Refuse(options, refusal);
    return kExitFailed;
  }
  int exit_code = kExitFailed;
  try {
    exit_code = options.Unattended() ? UnattendedStart(state, options, answers)
                                     : WizardStart(state, options);
  } catch (...) {
    // Nothing may leave the program unreported; the end stays orderly.
    Application.HandleException(std::current_exception());
  }
  FinishRunJournal(state, work_dir);
  if (options.save_answers_file &&
      !WriteAnswerFile(*options.save_answers_file, ChosenAnswers(state)))
    DebugNote("Nu pot scrie " + *options.save_answers_file);
  ReleaseLibraries();
  // The media start removes what is left when it waits for this copy.
  RemoveRunFolder(work_dir, !MediaStartWaits(options));
  return exit_code;
}

}  // namespace

// How each kind of change is undone: the system's own places, the engine's aliases, the group.
void RegisterUndoHandlers() {
  changes::RegisterSystemUndo();
  bde::RegisterEngineUndo();
  config::RegisterGroupUndo();
  config::RegisterControlUndo();
}

int RefuseCommandLine(const std::string& error) {
  MesajDlg("Linia de comanda nu poate fi citita:\r" + error, "Eroare!", mtError, taCenter,
           kButtonsOK, mbOK, 0);
  return kExitBadArguments;
}

int RunStartup(const std::vector<std::string>& arguments) {
  // Every number the program formats uses "." as its decimal separator.
  std::setlocale(LC_NUMERIC, "C");
  RegisterUndoHandlers();
  const std::vector<std::string> parameters(arguments.begin() + (arguments.empty() ? 0 : 1),
                                            arguments.end());
  const TSetupOptions options = ParseCommandLine(parameters);
  const std::string own_folder = os::DirectoryOf(os::ProgramPath());
  const std::optional<std::string> hand_off = ReadHandOffFile(HandOffPath(own_folder));
  // The working copy and the uninstaller's worker run from a run's folder; no other folder is
  // taken for one.
  if ((hand_off || options.uninstall_dir || options.recover) && IsRunFolder(own_folder))
    AdoptRunFolder(own_folder);
  // A link a user left in the log's place is not followed: the log goes to the run's folder.
  SetDebugFallbackFolder(&RunFolder);
  DebugEnabled = DebugEnabled || LogRequested(parameters) || options.log_file.has_value();
  DebugOpen(options.log_file.value_or("c:\\vortinst.log"), "INSTALL");
  // What the ANSI-only interfaces (the engine, the upgrade library, Program Manager) can be given.
  DebugNote("Pagina de cod ANSI: " + std::to_string(GetACP()));

  int exit_code = kExitBadArguments;
  const std::optional<TAnswers> answers =
      options.errors.empty() ? GatherAnswers(options) : std::nullopt;
  if (!options.errors.empty()) {
    std::string text = "Parametru necunoscut sau gresit:";
    for (const std::string& e : options.errors) text += "\r" + e;
    Refuse(options, text);
  } else if (options.recover) {
    exit_code = RunRecovery(options);
  } else if (options.uninstall) {
    exit_code = RunUninstall(options);
    ReleaseLibraries();
  } else if (options.verify || (options.repair && options.media_dir)) {
    exit_code = RunRepair(options, options.media_dir.value_or(std::string()), false);
  } else if (answers) {
    if (!hand_off) {
      // The media start leaves its session without an end line.
      return MediaStart(arguments.empty() ? std::string() : arguments[0], options);
    }
    exit_code = options.repair ? RunRepair(options, *hand_off, true)
                               : WorkingStart(*hand_off, options, *answers);
  }
  DebugClose();
  return exit_code;
}
