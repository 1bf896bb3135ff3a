// Which installed files an upgrade may replace: the engine's libraries in the program directory
// and the user's data stay; the product's reference data under NEW is renewed.
#pragma once

#include <string>

namespace copy {

// The path of `target` below `directory`, upper-cased, at most 255 characters, the same whether
// or not `directory` ends in a backslash.
std::string RelativeTarget(const std::string& target, const std::string& directory);

bool MayOverwrite(const std::string& relative, bool program_archive);

// The decision for one existing file, with its notes in the diagnostic log.
bool ConfirmOverwrite(const std::string& target, const std::string& directory,
                      bool program_archive);

}  // namespace copy
