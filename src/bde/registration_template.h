// The engine's registration template: a registry-editor import file in which "$ProgDir$"
// stands for the program-files directory.
#pragma once

#include <string>

namespace bde {

constexpr char kProgDirPlaceholder[] = "$ProgDir$";

// The directory written the way the registry-editor format wants it: every backslash twice.
std::string EscapeForRegistryFile(const std::string& directory);
// Replaces the first placeholder of the line, if any, with the escaped directory.
std::string RewriteTemplateLine(const std::string& line, const std::string& escaped_directory);
// Every line rewritten, each ended by CR LF.
std::string RewriteTemplate(const std::string& text, const std::string& program_files_dir);

// "<program files>\Borland\Common Files\BDE"
std::string EngineCommonDir(const std::string& program_files_dir);
std::string TemplatePath(const std::string& program_files_dir);
// The silent import of the template by the registry editor named by its full path:
// "<regedit>" /s "<template>".
std::string RegeditCommandLine(const std::string& regedit, const std::string& program_files_dir);

}  // namespace bde
