#include "app/answer_file.h"

#include <cctype>
#include <set>
#include <string_view>

#include "app/command_line.h"
#include "forms/ini_file.h"
#include "os/ansi_code_page.h"
#include "os/editor_text.h"
#include "os/file_replace.h"
#include "os/os.h"
#include "os/text_lines.h"

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

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::string();
  const size_t last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

// A value in quotes, as the system's profile functions read it, loses them.
std::string Unquoted(std::string value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    return value.substr(1, value.size() - 2);
  return value;
}

// The answer on one line of [Setup]; false when the key or the value is not the installer's.
bool TakeAnswer(const std::string& key, const std::string& value, TAnswers& answers,
                std::string& what) {
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
  } else if (name == "ALLOWUNSIGNED") {
    answers.allow_unsigned = Choice(value, "Yes", "No");
    valid = answers.allow_unsigned.has_value();
  } else {
    what = "cheie necunoscuta " + key;
    return false;
  }
  if (!valid) what = "valoare gresita " + key + "=" + value;
  return valid;
}

}  // namespace

std::optional<TAnswers> ReadAnswerFile(const std::string& path, std::string& error,
                                       std::string* read_as) {
  const std::string file = "Fisierul de raspunsuri " + path;
  const std::optional<std::string> bytes = os::ReadWholeFile(path);
  if (!bytes) {
    error = file + " nu poate fi citit.";
    return std::nullopt;
  }
  std::string why;
  const std::optional<os::EditorText> decoded = os::DecodeEditorText(*bytes, &why);
  if (!decoded) {
    error = file + " nu poate fi citit: " + why + ".";
    return std::nullopt;
  }
  if (read_as) *read_as = os::EncodingName(decoded->encoding, os::AnsiCodePageNumber());
  TAnswers answers;
  bool in_setup = false, found_setup = false;
  std::set<std::string> seen;
  int number = 0;
  for (const std::string& raw : os::SplitLines(decoded->text)) {
    ++number;
    const std::string line = Trimmed(raw);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    const std::string where = file + ", linia " + std::to_string(number) + ": ";
    if (line.front() == '[') {
      in_setup = line.back() == ']' && Upper(Trimmed(line.substr(1, line.size() - 2))) == "SETUP";
      found_setup = found_setup || in_setup;
      continue;
    }
    if (!in_setup) continue;
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      error = where + "lipseste '=' in \"" + line + "\".";
      return std::nullopt;
    }
    const std::string key = Trimmed(std::string_view(line).substr(0, equals));
    if (!seen.insert(Upper(key)).second) {
      error = where + "cheia " + key + " apare de doua ori.";
      return std::nullopt;
    }
    std::string what;
    if (!TakeAnswer(key, Unquoted(Trimmed(std::string_view(line).substr(equals + 1))), answers,
                    what)) {
      error = where + what + ".";
      return std::nullopt;
    }
  }
  if (!found_setup) {
    error = file + " nu are sectiunea [Setup].";
    return std::nullopt;
  }
  return answers;
}

bool WriteAnswerFile(const std::string& path, const TAnswers& answers) {
  TMemIniFile ini(path);
  // Other sections of a file saved by an editor stay, read as that editor wrote them; the file
  // is written back as UTF-8, which the reader takes as it is.
  if (const std::optional<std::string> bytes = os::ReadWholeFile(path)) {
    if (const std::optional<os::EditorText> decoded = os::DecodeEditorText(*bytes))
      ini.SetText(decoded->text);
  }
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
