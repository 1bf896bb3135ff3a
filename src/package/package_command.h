// What the Windows Installer package's custom actions run, and how their exit codes reach the
// package. Portable: the action only hands these to the system.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>

namespace package {

// The fields of the data the package gives each action, in the order it writes them: the media
// folder and the installer's switches, and what the removal asks about.
constexpr const char* kRunSetupFields[] = {
    "MEDIA", "TYPE", "DIR", "DATADIR", "DATABASE", "ANSWERS", "SERVERDATABASE", "LOG"};
constexpr const char* kRemoveSetupFields[] = {"UPGRADECODE", "PRODUCTCODE", "REMOVEDATA"};
constexpr const char* kRepairSetupFields[] = {"MEDIA", "LOG"};

// The "NAME=value" fields of an action's data, separated by "|", which no Windows path can
// hold: exactly `names`, in their order. A property whose value holds "|" would add fields of
// its own (C:\App|MEDIA=\\elsewhere\ a second media folder): the data is refused then, and
// `refused` names the last field that still matches (the one whose value holds it, or one after
// that when the added text mimics the next field). A field without a value (a property
// nobody set) is left out.
std::optional<std::map<std::string, std::string>> ActionFields(const std::string& action_data,
                                                               std::span<const char* const> names,
                                                               std::string* refused = nullptr);

// The installer's command line from the run action's fields: MEDIA, the media folder ending in
// a backslash, and the installer's switches by name (TYPE, DIR ...).
std::string SetupCommandLine(std::map<std::string, std::string> fields);

// The installer's repair (msiexec /f) from the run action's fields: the media the package
// installed are the kit.
std::string RepairCommandLine(const std::map<std::string, std::string>& fields);

// The installer's quiet uninstall command as its entry holds it, made suitable for a package.
std::string RemovalCommandLine(const std::string& quiet_uninstall, bool remove_data);

enum class Outcome {
  kDone,
  kRestartNeeded,  // done; the package asks for the restart
  kCancelled,      // the package ends as abandoned by the user
  kFailed,         // the package fails and undoes its own changes
};

// Windows Installer lets an action report success, a cancelled or a failed run: every other
// exit code of the installer becomes a failure, named in the package's log.
Outcome OutcomeOf(int exit_code);

}  // namespace package
