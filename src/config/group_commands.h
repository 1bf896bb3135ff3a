// The Program Manager commands that create the product's program group.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace config {

constexpr char kGroupName[] = "RidOZIZUZ";

struct GroupItem {
  std::string path;
  std::string title;
};
// The main program and each sibling program for which `exists` answers true (Meldora, Rovanel,
// Teskard).
std::vector<GroupItem> GroupItems(const std::string& program_dir,
                                  const std::function<bool(const std::string&)>& exists);
// Create the group, add its items, show the group.
std::vector<std::string> GroupCommands(const std::string& program_dir,
                                       const std::function<bool(const std::string&)>& exists);
// The command that removes the group again.
std::string DeleteGroupCommand();
// The commands as one execute text, each followed by CR LF.
std::string GroupCommandText(const std::vector<std::string>& commands);

}  // namespace config
