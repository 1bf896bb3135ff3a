// What the Windows Installer package's custom actions run, and how their exit codes reach the
// package. Portable: the action only hands these to the system.
#pragma once

#include <map>
#include <string>

namespace package {

// The "NAME=value" fields of an action's data, separated by "|", which no Windows path can
// hold; a field without a value (a property nobody set) is left out.
std::map<std::string, std::string> ActionFields(const std::string& action_data);

// The installer's command line from the action's data: MEDIA, the media folder ending in "\",
// and the installer's switches by name (TYPE, DIR ...).
std::string SetupCommandLine(const std::string& action_data);

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
