// Program groups as folders of shortcuts under one root (normally the Start Menu's Programs).
#pragma once

#include <string>

#include "progman/dde_commands.h"

namespace standin {

class ProgramGroups {
 public:
  explicit ProgramGroups(std::string root);

  // Carries out CreateGroup, AddItem, ShowGroup and DeleteGroup; false for anything else and
  // for a command that could not be done.
  bool Execute(const DdeCommand& command);

  // A group or item name that stays one entry inside its folder.
  static bool IsSafeName(const std::string& name);

 private:
  bool CreateGroup(const std::string& name);
  bool AddItem(const DdeCommand& command);
  bool ShowGroup(const std::string& name);
  bool DeleteGroup(const std::string& name);
  std::string GroupPath(const std::string& name) const;

  std::string root_;
  std::string current_group_;
};

}  // namespace standin
