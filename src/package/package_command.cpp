#include "package/package_command.h"

#include "app/command_line.h"
#include "state/exit_codes.h"

namespace package {

namespace {

// Switches of every run from the package: it never asks, never restarts Windows itself (the
// package reports the restart) and is listed once, as the package.
constexpr const char* kFixedSwitches = " /VERYSILENT /NORESTART /SYSTEMCOMPONENT";

}  // namespace

std::map<std::string, std::string> ActionFields(const std::string& action_data) {
  std::map<std::string, std::string> fields;
  size_t start = 0;
  while (start < action_data.size()) {
    size_t end = action_data.find('|', start);
    if (end == std::string::npos) end = action_data.size();
    const std::string field = action_data.substr(start, end - start);
    start = end + 1;
    const size_t equals = field.find('=');
    if (equals != std::string::npos && equals > 0 && equals + 1 < field.size())
      fields[field.substr(0, equals)] = field.substr(equals + 1);
  }
  return fields;
}

std::string SetupCommandLine(const std::string& action_data) {
  std::map<std::string, std::string> fields = ActionFields(action_data);
  std::string command_line = QuoteArgument(fields["MEDIA"] + "INSTALL.EXE") + kFixedSwitches;
  fields.erase("MEDIA");
  for (const auto& [name, value] : fields)
    command_line += " " + QuoteArgument("/" + name + "=" + value);
  return command_line;
}

std::string RemovalCommandLine(const std::string& quiet_uninstall, bool remove_data) {
  return quiet_uninstall + " /NORESTART" + (remove_data ? " /REMOVEDATA" : "");
}

Outcome OutcomeOf(int exit_code) {
  switch (exit_code) {
    case kExitDone:
      return Outcome::kDone;
    case kExitRestartNeeded:
      return Outcome::kRestartNeeded;
    case kExitCancelled:
      return Outcome::kCancelled;
    default:
      return Outcome::kFailed;
  }
}

}  // namespace package
