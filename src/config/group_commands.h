// The Program Manager commands that create the product's program group.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace config {

// Create the group, add the main program and each sibling program for which `exists` answers
// true (Meldora, Rovanel, Teskard), show the group.
std::vector<std::string> GroupCommands(const std::string& program_dir,
                                       const std::function<bool(const std::string&)>& exists);
// The commands as one execute text, each followed by CR LF.
std::string GroupCommandText(const std::vector<std::string>& commands);

}  // namespace config
