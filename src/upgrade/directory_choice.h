// The directory dialog of the locating page, behind one function so that the page does not
// depend on which dialog answers it.
#pragma once

#include <optional>
#include <string>

namespace upgrade {

// Asks for a directory, starting at `preset` when it is not empty; nothing when the user
// cancels.
std::optional<std::string> ChooseDirectory(const std::string& preset);

}  // namespace upgrade
