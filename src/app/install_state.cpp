#include "app/install_state.h"

#include "os/os.h"

TInstallState InstallState;

int32_t ReadDiskCount(const std::string& program_dir) {
  const std::string path = program_dir +
                           (!program_dir.empty() && program_dir.back() == '\\' ? "" : "\\") +
                           "instvort.cfg";
  const int32_t count = os::ReadProfileInt("General", "NrDiscuri", 6, path);
  return count < 0 ? 0 : count;
}

void ReadSetupConfig() {
  InstallState.DiskCount = ReadDiskCount(os::DirectoryOf(os::ProgramPath()));
}
