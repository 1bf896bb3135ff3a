#include "unzip/unzip_hooks.h"

namespace unzip {

// Without a window system there is nothing to keep alive and no key to watch.
void PlatformPumpMessages(WindowHandle) {}
void PlatformSendProgress(WindowHandle, uint32_t, uint16_t*) {}
bool PlatformKeyDown(int32_t) {
  return false;
}

}  // namespace unzip
