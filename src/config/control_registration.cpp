#include "config/control_registration.h"

#include <vector>

#include "changes/journal.h"
#include "changes/repair_check.h"
#include "changes/rollback.h"
#include "changes/system_win32.h"
#include "config/registration_commands.h"
#include "os/os.h"
#include "os/run_and_wait.h"
#include "os/text_lines.h"
#include "os/trust_boundary.h"

namespace config {

namespace {

constexpr char kProgram[] = "TREGSVR.EXE";

// "PROGRAM_DIR\nSHA-256 of the program\nSHA-256 of the control"
std::string Fingerprint(const std::string& program_dir) {
  const std::string dir = os::WithTrailingBackslash(program_dir);
  return program_dir + "\n" + changes::FileSha256(dir + kProgram).value_or("-") + "\n" +
         changes::FileSha256(dir + kControlName).value_or("-");
}

void RemoveFolder(const std::string& folder) {
  for (const os::DirEntry& entry : os::ListDirectory(folder))
    os::RemoveFile(os::WithTrailingBackslash(folder) + entry.name);
  os::RemoveEmptyDirectory(folder);
}

std::string Unregister(const changes::Change& change) {
  const std::vector<std::string> lines = os::SplitLines(change.value);
  if (lines.size() != 3) return "nu pot anula inregistrarea " + std::string(kControlName);
  const std::string source = os::WithTrailingBackslash(lines[0]);
  const std::optional<std::string> folder = trust::MakeRunFolder(trust::TemporaryFolder());
  if (!folder) return "nu pot anula inregistrarea " + std::string(kControlName);
  const std::string copies = os::WithTrailingBackslash(*folder);
  std::string failure;
  const std::string names[] = {kProgram, kControlName};
  for (size_t i = 0; i < 2 && failure.empty(); ++i) {
    // An upgrade may have replaced the files since: the journal's last word on each counts.
    const std::string expected =
        changes::LastRecordedSha256(source + names[i]).value_or(lines[i + 1]);
    if (!os::CopyWholeFile(source + names[i], copies + names[i]) ||
        changes::FileSha256(copies + names[i]) != std::optional<std::string>(expected))
      failure = source + names[i] + " nu mai este cel instalat: " + std::string(kControlName) +
                " ramane inregistrat";
  }
  if (failure.empty() && os::RunAndWait(UnregisterCommandLine(*folder), os::kShowMinimized,
                                        trust::SystemFolder()) == -1)
    failure = "nu pot porni " + copies + kProgram;
  RemoveFolder(*folder);
  return failure;
}

}  // namespace

void RegisterControl(const std::string& program_dir) {
  changes::RunProgram(TregsvrCommandLine(program_dir), os::kShowMinimized,
                      {kControlHandler, kControlName, Fingerprint(program_dir)});
}

void RegisterControlUndo() {
  changes::RegisterUndo(changes::Kind::kDomain, kControlHandler, &Unregister, true);
}

}  // namespace config
