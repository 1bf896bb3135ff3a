#include "config/group_commands.h"

#include "os/text_lines.h"

namespace config {

namespace {

std::string AddItem(const GroupItem& item) {
  return "[AddItem(\"" + item.path + "\", \"" + item.title + "\")]";
}

}  // namespace

std::vector<GroupItem> GroupItems(const std::string& program_dir,
                                  const std::function<bool(const std::string&)>& exists) {
  struct Sibling {
    const char* file;
    const char* title;
  };
  static constexpr Sibling kSiblings[] = {
      {"\\MELDORA.EXE", "Meldora"}, {"\\ROVANEL.EXE", "Rovanel"}, {"\\TESKARD.EXE", "Teskard"}};
  std::vector<GroupItem> items{{program_dir + "\\VORTEL.EXE", "Vortel"}};
  for (const Sibling& s : kSiblings) {
    const std::string path = program_dir + s.file;
    if (exists(path)) items.push_back({path, s.title});
  }
  return items;
}

std::vector<std::string> GroupCommands(const std::string& program_dir,
                                       const std::function<bool(const std::string&)>& exists) {
  std::vector<std::string> commands{"[CreateGroup(\"" + std::string(kGroupName) + "\")]"};
  for (const GroupItem& item : GroupItems(program_dir, exists)) commands.push_back(AddItem(item));
  commands.emplace_back("[ShowGroup(\"" + std::string(kGroupName) + "\",8)]");
  return commands;
}

std::string DeleteGroupCommand() {
  return "[DeleteGroup(\"" + std::string(kGroupName) + "\")]";
}

std::string GroupCommandText(const std::vector<std::string>& commands) {
  return os::JoinLines(commands);
}

}  // namespace config
