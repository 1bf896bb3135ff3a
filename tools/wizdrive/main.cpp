// wizdrive [--shots DIR] [--handshake FILE] [--timeout SECONDS] SCRIPT
// Drives the windows of other programs from a script, as a person at the screen would.
#include <windows.h>

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "runner.h"
#include "script.h"

namespace {

int Usage() {
  std::cerr << "usage: wizdrive [--shots DIR] [--handshake FILE] [--timeout SECONDS] SCRIPT\n"
               "  --shots DIR       where \"shot NAME\" saves NAME.bmp\n"
               "  --handshake FILE  created by \"disk N\", which then waits for its removal\n"
               "  --timeout SECONDS for each action (default 30)\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  wizdrive::RunOptions options;
  std::string script_path;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--shots" && has_value) {
      options.shots_dir = argv[++i];
    } else if (arg == "--handshake" && has_value) {
      options.handshake = argv[++i];
    } else if (arg == "--timeout" && has_value) {
      const int seconds = std::atoi(argv[++i]);
      if (seconds <= 0 || seconds > 3600) return Usage();
      options.timeout_ms = seconds * 1000;
    } else if (script_path.empty() && arg.rfind("--", 0) != 0) {
      script_path = arg;
    } else {
      return Usage();
    }
  }
  if (script_path.empty()) return Usage();
  std::ifstream in(script_path, std::ios::binary);
  if (!in) {
    std::cerr << "wizdrive: cannot read the script " << script_path << "\n";
    return 2;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  const wizdrive::Script script = wizdrive::ParseScript(text);
  if (!script.error.empty()) {
    std::cerr << "wizdrive: " << script_path << ": " << script.error << "\n";
    return 2;
  }
  if (!options.shots_dir.empty() && !CreateDirectoryA(options.shots_dir.c_str(), nullptr) &&
      GetLastError() != ERROR_ALREADY_EXISTS) {
    std::cerr << "wizdrive: cannot create the shots folder " << options.shots_dir << "\n";
    return 2;
  }
  return wizdrive::RunScript(script, options, std::cout, std::cerr);
}
