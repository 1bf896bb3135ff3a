#include "app/worker_copy.h"

#include <windows.h>

#include "app/hand_off.h"
#include "app/run_folder.h"
#include "app/setup_lock.h"
#include "log/debug_log.h"
#include "os/os.h"
#include "os/trust_boundary.h"

std::optional<WorkerCopy> CopyWorker(const TSetupOptions& options, const char* name,
                                     const std::string& refusal,
                                     const std::vector<std::string>& arguments) {
  const std::string self = os::ProgramPath();
  const std::string self_dir = os::DirectoryOf(self);
  WorkerCopy worker;
  worker.folder = RunFolder();
  if (worker.folder.empty() ||
      !CopyToNewFile(self_dir, worker.folder + "\\", self.substr(self_dir.size()), name)) {
    Refuse(options,
           refusal + " " + (worker.folder.empty() ? trust::TemporaryFolder() : worker.folder));
    RemoveRunFolder(worker.folder, true);
    return std::nullopt;
  }
  worker.program = worker.folder + "\\" + name;
  worker.command = QuoteArgument(worker.program);
  for (const std::string& s : options.switches) worker.command += " " + QuoteArgument(s);
  if (DebugSessionOpen() && !options.log_file)
    worker.command += " " + QuoteArgument("/LOG=" + DebugLogPath());
  for (const std::string& argument : arguments) worker.command += " " + QuoteArgument(argument);
  worker.command += " " + QuoteArgument("/LAUNCHER=" + std::to_string(GetCurrentProcessId()));
  return worker;
}
