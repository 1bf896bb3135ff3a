#include "config/group_commands.h"

#include "os/text_lines.h"

namespace config {

namespace {

std::string AddItem(const std::string& path, const char* title) {
  return "[AddItem(\"" + path + "\", \"" + title + "\")]";
}

}  // namespace

std::vector<std::string> GroupCommands(const std::string& program_dir,
                                       const std::function<bool(const std::string&)>& exists) {
  struct Sibling {
    const char* file;
    const char* title;
  };
  static constexpr Sibling kSiblings[] = {
      {"\\MELDORA.EXE", "Meldora"}, {"\\ROVANEL.EXE", "Rovanel"}, {"\\TESKARD.EXE", "Teskard"}};

  std::vector<std::string> commands{"[CreateGroup(\"RidOZIZUZ\")]",
                                    AddItem(program_dir + "\\VORTEL.EXE", "Vortel")};
  for (const Sibling& s : kSiblings) {
    const std::string path = program_dir + s.file;
    if (exists(path)) commands.push_back(AddItem(path, s.title));
  }
  commands.emplace_back("[ShowGroup(\"RidOZIZUZ\",8)]");
  return commands;
}

std::string GroupCommandText(const std::vector<std::string>& commands) {
  return os::JoinLines(commands);
}

}  // namespace config
