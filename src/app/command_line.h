// The installer's command line: the historic "-log" switches and the switches of the unattended
// modes ("/SILENT", "/TYPE=SERVER", "-dir=C:\X" ...), case-insensitive, "/" or "-".
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "state/answers.h"

enum class TRunMode {
  kInteractive,
  kSilent,      // no question; a small progress window
  kVerySilent,  // no window at all
};

struct TSetupOptions {
  TRunMode mode = TRunMode::kInteractive;
  // Settings given as switches; they override the answer file.
  TAnswers answers;
  std::optional<std::string> answers_file;
  std::optional<std::string> save_answers_file;
  std::optional<std::string> log_file;
  // A dry run: the changes the run would make go to this file and none is made.
  std::optional<std::string> plan_file;
  // Removes the installation whose program directory holds the running uninstaller.
  bool uninstall = false;
  // Only undoes a run that a kill or a power cut left unfinished (Windows starts it so).
  bool recover = false;
  // The removal takes the user's data too.
  bool remove_data = false;
  // Given by the uninstaller to its copy in the run's folder: the installation to remove and the
  // process that waits for the outcome.
  std::optional<std::string> uninstall_dir;
  std::optional<std::string> launcher;
  // Given by that copy to its last one: "PROCESS,EVENT", inherited handles of the uninstaller's
  // process, whose end it waits for before it removes the uninstaller, and of the event it sets
  // once it waits.
  std::optional<std::string> remove_after;
  // Checks the installation against its journal and puts back what is missing or changed from
  // the kit it was started from, or the kit /MEDIA= names; /VERIFY only checks.
  bool repair = false;
  bool verify = false;
  std::optional<std::string> media_dir;
  bool no_restart = false;
  // Started by the product's Windows Installer package, whose entry is the one listed.
  bool system_component = false;
  // The switches as given, to be handed on to the working start.
  std::vector<std::string> switches;
  // Each switch that is not known or whose value is not valid, as given.
  std::vector<std::string> errors;

  bool Unattended() const { return mode != TRunMode::kInteractive || plan_file.has_value(); }
};

// True when there are at least two parameters and the first is exactly "-log".
bool LogRequested(const std::vector<std::string>& parameters);

// Reads the switches among `parameters` (without the program's own name). The "-log" switches
// and words that are no switch are left to the historic rules.
TSetupOptions ParseCommandLine(const std::vector<std::string>& parameters);

// LOCAL, SERVER or CLIENT, in any case.
std::optional<TInstallType> ParseInstallType(const std::string& text);

// One argument as a Windows program's command line carries it: quoted, with the quotes and the
// backslashes before them escaped, so that the program reads back exactly `argument`.
std::string QuoteArgument(const std::string& argument);
