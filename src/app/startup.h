#pragma once

#include <string>
#include <vector>

// The program's entry point after module initialisation. `arguments` holds argument 0 (the
// program as it was started) and the parameters.
int RunStartup(const std::vector<std::string>& arguments);
