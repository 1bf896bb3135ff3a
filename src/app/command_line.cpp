#include "app/command_line.h"

bool LogRequested(const std::vector<std::string>& parameters) {
  return parameters.size() >= 2 && parameters[0] == "-log";
}
