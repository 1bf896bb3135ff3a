#pragma once

#include <string>
#include <vector>

// The program's entry point after module initialisation. `arguments` holds argument 0 (the
// program as it was started) and the parameters.
int RunStartup(const std::vector<std::string>& arguments);

// A command line that cannot be read as text (an argument holding half a UTF-16 pair) is refused
// as a bad switch would be.
int RefuseCommandLine(const std::string& error);
