// A program whose own file must go (the uninstaller, the recovery program) hands its work to a
// copy of itself in a new run folder, which the copy can remove again.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"

struct WorkerCopy {
  std::string folder;
  std::string program;
  std::string command;
};

// Copies this program into the run's folder as `name`; the command starts it with this run's
// switches, its log, `arguments` and /LAUNCHER=<this process>. Nothing when it cannot: refused,
// with `refusal` and the folder named, and the folder gone.
std::optional<WorkerCopy> CopyWorker(const TSetupOptions& options, const char* name,
                                     const std::string& refusal,
                                     const std::vector<std::string>& arguments);
