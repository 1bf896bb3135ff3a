#include "bde/registration_template.h"

#include <vector>

#include "os/text_lines.h"

namespace bde {

std::string EscapeForRegistryFile(const std::string& directory) {
  std::string escaped;
  escaped.reserve(directory.size() * 2);
  for (char c : directory) {
    escaped += c;
    if (c == '\\') escaped += '\\';
  }
  return escaped;
}

std::string RewriteTemplateLine(const std::string& line, const std::string& escaped_directory) {
  const size_t at = line.find(kProgDirPlaceholder);
  if (at == std::string::npos) return line;
  return line.substr(0, at) + escaped_directory + line.substr(at + sizeof kProgDirPlaceholder - 1);
}

std::string RewriteTemplate(const std::string& text, const std::string& program_files_dir) {
  const std::string escaped = EscapeForRegistryFile(program_files_dir);
  std::vector<std::string> lines = os::SplitLines(text);
  for (std::string& line : lines) line = RewriteTemplateLine(line, escaped);
  return os::JoinLines(lines);
}

std::string EngineCommonDir(const std::string& program_files_dir) {
  return program_files_dir + "\\Borland\\Common Files\\BDE";
}

std::string TemplatePath(const std::string& program_files_dir) {
  return EngineCommonDir(program_files_dir) + "\\bde.reg";
}

std::string RegeditCommandLine(const std::string& regedit, const std::string& program_files_dir) {
  return "\"" + regedit + "\" /s \"" + TemplatePath(program_files_dir) + "\"";
}

}  // namespace bde
