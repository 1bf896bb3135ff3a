// Pictures of the screen as the person sees it.
#pragma once

#include <windows.h>

#include <string>

namespace wizdrive {

// Saves the part of the screen inside `area` (the whole screen when null) as a 24-bit BMP;
// returns an error text or "".
std::string SaveScreenshot(const RECT* area, const std::string& path);

}  // namespace wizdrive
