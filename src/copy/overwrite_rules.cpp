#include "copy/overwrite_rules.h"

#include <cctype>

#include "log/debug_log.h"

namespace copy {

std::string RelativeTarget(const std::string& target, const std::string& directory) {
  size_t start = directory.size();
  if (start < target.size() && target[start] == '\\') ++start;
  if (start >= target.size()) return std::string();
  std::string relative = target.substr(start, 255);
  for (char& c : relative) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return relative;
}

bool MayOverwrite(const std::string& relative, bool program_archive) {
  if (program_archive) return relative.rfind("IDAPI", 0) != 0;
  return relative.rfind("NEW\\", 0) == 0;
}

bool ConfirmOverwrite(const std::string& target, const std::string& directory,
                      bool program_archive) {
  const std::string relative = RelativeTarget(target, directory);
  DebugNote("Confirmare pentru: " + relative);
  const bool overwrite = MayOverwrite(relative, program_archive);
  DebugNote(overwrite ? "Confirmat" : "NU!!!");
  return overwrite;
}

}  // namespace copy
