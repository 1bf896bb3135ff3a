// Splits the registration program's command line: switches, then the control's path.
#pragma once

#include <string>

namespace standin {

struct RegistrationRequest {
  bool quiet = false;
  bool unregister = false;
  std::string control;  // empty when none was given
  std::string bad_switch;
};

// `arguments` is the command line after the program's own name. Switches start with '-' or
// '/'; the path may be quoted, and an unquoted path runs to the end of the line so that a
// directory with blanks still names one file.
RegistrationRequest ParseRegistrationArguments(const std::string& arguments);

// The command line without its first token (the program, quoted or not).
std::string ArgumentsOf(const std::string& command_line);

}  // namespace standin
