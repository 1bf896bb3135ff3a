#include "register/command_arguments.h"

namespace standin {

namespace {
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
}  // namespace

std::string ArgumentsOf(const std::string& command_line) {
  size_t i = 0;
  while (i < command_line.size() && IsBlank(command_line[i])) ++i;
  if (i < command_line.size() && command_line[i] == '"') {
    const size_t close = command_line.find('"', i + 1);
    i = close == std::string::npos ? command_line.size() : close + 1;
  } else {
    while (i < command_line.size() && !IsBlank(command_line[i])) ++i;
  }
  return command_line.substr(i);
}

RegistrationRequest ParseRegistrationArguments(const std::string& arguments) {
  RegistrationRequest request;
  size_t i = 0;
  while (i < arguments.size()) {
    if (IsBlank(arguments[i])) {
      ++i;
      continue;
    }
    if (arguments[i] == '-' || arguments[i] == '/') {
      size_t end = i + 1;
      while (end < arguments.size() && !IsBlank(arguments[end])) ++end;
      const std::string name = arguments.substr(i + 1, end - i - 1);
      if (name == "q" || name == "Q" || name == "s" || name == "S") {
        request.quiet = true;
      } else if (name == "u" || name == "U") {
        request.unregister = true;
      } else if (request.bad_switch.empty()) {
        request.bad_switch = arguments.substr(i, end - i);
      }
      i = end;
      continue;
    }
    if (arguments[i] == '"') {
      const size_t close = arguments.find('"', i + 1);
      request.control =
          arguments.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1);
    } else {
      size_t end = arguments.size();
      while (end > i && IsBlank(arguments[end - 1])) --end;
      request.control = arguments.substr(i, end - i);
    }
    break;
  }
  return request;
}

}  // namespace standin
