#include "state/install_state.h"

#include "os/os.h"

std::string WorkConfigPath(const std::string& program_dir) {
  return os::WithTrailingBackslash(program_dir) + "instvort.cfg";
}

int32_t ReadDiskCount(const std::string& program_dir) {
  const int32_t count = os::ReadProfileInt("General", "NrDiscuri", 6, WorkConfigPath(program_dir));
  return count < 0 ? 0 : count;
}
