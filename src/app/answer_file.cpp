#include "app/answer_file.h"

#include <cctype>

#include "app/command_line.h"
#include "forms/ini_file.h"
#include "os/os.h"

namespace {

constexpr const char* kSection = "Setup";

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::optional<bool> Choice(const std::string& value, const char* yes, const char* no) {
  const std::string upper = Upper(value);
  if (upper == Upper(yes)) return true;
  if (upper == Upper(no)) return false;
  return std::nullopt;
}

const char* TypeName(TInstallType type) {
  switch (type) {
    case itLocal:
      return "LOCAL";
    case itServer:
      return "SERVER";
    case itClient:
      return "CLIENT";
    case itNone:
      break;
  }
  return "";
}

}  // namespace

std::optional<TAnswers> ReadAnswerFile(const std::string& path, std::string& error) {
  if (!os::FileExists(path)) {
    error = "Fisierul de raspunsuri " + path + " nu poate fi citit.";
    return std::nullopt;
  }
  const TMemIniFile ini(path);
  TAnswers answers;
  for (const std::string& key : ini.ReadSection(kSection)) {
    const std::string value = ini.ReadString(kSection, key, "");
    const std::string name = Upper(key);
    bool valid = !value.empty();
    if (name == "TYPE") {
      answers.type = ParseInstallType(value);
      valid = answers.type.has_value();
    } else if (name == "PROGRAMDIR") {
      answers.program_dir = value;
    } else if (name == "DATADIR") {
      answers.data_dir = value;
    } else if (name == "DATABASE") {
      answers.database = value;
    } else if (name == "SERVERDATABASE") {
      answers.server_database = Choice(value, "Yes", "No");
      valid = answers.server_database.has_value();
    } else if (name == "RESTART") {
      answers.restart_if_needed = Choice(value, "IfNeeded", "Never");
      valid = answers.restart_if_needed.has_value();
    } else if (name == "PERMISSIONS") {
      answers.inherit_permissions = Choice(value, "Inherit", "Protect");
      valid = answers.inherit_permissions.has_value();
    } else {
      error = "Fisierul de raspunsuri " + path + ": cheie necunoscuta " + key + ".";
      return std::nullopt;
    }
    if (!valid) {
      error = "Fisierul de raspunsuri " + path + ": valoare gresita " + key + "=" + value + ".";
      return std::nullopt;
    }
  }
  return answers;
}

bool WriteAnswerFile(const std::string& path, const TAnswers& answers) {
  TMemIniFile ini(path);
  ini.EraseSection(kSection);
  if (answers.type) ini.WriteString(kSection, "Type", TypeName(*answers.type));
  if (answers.program_dir) ini.WriteString(kSection, "ProgramDir", *answers.program_dir);
  if (answers.data_dir) ini.WriteString(kSection, "DataDir", *answers.data_dir);
  if (answers.database) ini.WriteString(kSection, "Database", *answers.database);
  if (answers.server_database)
    ini.WriteString(kSection, "ServerDatabase", *answers.server_database ? "Yes" : "No");
  if (answers.restart_if_needed)
    ini.WriteString(kSection, "Restart", *answers.restart_if_needed ? "IfNeeded" : "Never");
  if (answers.inherit_permissions)
    ini.WriteString(kSection, "Permissions", *answers.inherit_permissions ? "Inherit" : "Protect");
  return ini.UpdateFile();
}
