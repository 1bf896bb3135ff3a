#include "package/package_command.h"

#include <algorithm>

#include "app/command_line.h"
#include "state/exit_codes.h"

namespace package {

namespace {

// Switches of every run from the package: it never asks, never restarts Windows itself (the
// package reports the restart) and is listed once, as the package.
constexpr const char* kFixedSwitches = " /VERYSILENT /NORESTART /SYSTEMCOMPONENT";

}  // namespace

std::optional<std::map<std::string, std::string>> ActionFields(const std::string& action_data,
                                                               std::span<const char* const> names,
                                                               std::string* refused) {
  std::map<std::string, std::string> fields;
  size_t start = 0;
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string prefix = std::string(names[i]) + "=";
    const size_t end = std::min(action_data.find('|', start), action_data.size());
    const bool in_place =
        start <= action_data.size() && action_data.compare(start, prefix.size(), prefix) == 0;
    // A field out of place came with the value before it; anything after the last, with the last.
    const bool beyond = i + 1 == names.size() && end < action_data.size();
    if (!in_place || beyond) {
      if (refused) *refused = names[in_place || i == 0 ? i : i - 1];
      return std::nullopt;
    }
    const std::string value =
        action_data.substr(start + prefix.size(), end - start - prefix.size());
    if (!value.empty()) fields[names[i]] = value;
    start = end + 1;
  }
  return fields;
}

std::string RepairCommandLine(const std::map<std::string, std::string>& fields) {
  const auto media = fields.find("MEDIA");
  return SetupCommandLine(fields) + " /REPAIR " +
         QuoteArgument("/MEDIA=" + (media == fields.end() ? std::string() : media->second));
}

std::string SetupCommandLine(std::map<std::string, std::string> fields) {
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
