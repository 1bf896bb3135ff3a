#include "state/install_state.h"

#include "os/os.h"

int32_t ReadDiskCount(const std::string& program_dir) {
  const std::string path = os::WithTrailingBackslash(program_dir) + "instvort.cfg";
  const int32_t count = os::ReadProfileInt("General", "NrDiscuri", 6, path);
  return count < 0 ? 0 : count;
}
