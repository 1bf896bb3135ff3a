// Program Manager command strings: "[CreateGroup("Name")][AddItem("C:\A.EXE", "A")]...".
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace standin {

struct DdeCommand {
  std::string name;
  std::vector<std::string> arguments;  // quotes removed, blanks around bare values trimmed
};

// All commands of an execute string, or nothing when any of it is malformed.
std::optional<std::vector<DdeCommand>> ParseDdeCommands(const std::string& text);

}  // namespace standin
