#pragma once

#include <string>
#include <vector>

// True when there are at least two parameters and the first is exactly "-log".
bool LogRequested(const std::vector<std::string>& parameters);
