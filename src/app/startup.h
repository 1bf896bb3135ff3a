#pragma once

#include <string>
#include <vector>

// The program's entry point after module initialisation; `parameters` excludes the program name.
int RunStartup(const std::vector<std::string>& parameters);
