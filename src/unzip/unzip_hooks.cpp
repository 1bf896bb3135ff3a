#include "unzip/unzip_hooks.h"

namespace unzip {

namespace {

MessagePumpHook g_pump = PlatformPumpMessages;
ProgressHook g_progress = PlatformSendProgress;
KeyDownHook g_key_down = PlatformKeyDown;

template <typename Hook>
Hook Replace(Hook& slot, Hook hook, Hook platform) {
  const Hook previous = slot;
  slot = hook ? hook : platform;
  return previous;
}

}  // namespace

MessagePumpHook SetMessagePumpHook(MessagePumpHook hook) {
  return Replace(g_pump, hook, &PlatformPumpMessages);
}
ProgressHook SetProgressHook(ProgressHook hook) {
  return Replace(g_progress, hook, &PlatformSendProgress);
}
KeyDownHook SetKeyDownHook(KeyDownHook hook) {
  return Replace(g_key_down, hook, &PlatformKeyDown);
}

void PumpMessages(WindowHandle window) {
  g_pump(window);
}
void SendProgress(WindowHandle window, uint32_t id, uint16_t* percent) {
  g_progress(window, id, percent);
}
bool KeyDown(int32_t key) {
  return g_key_down(key);
}

}  // namespace unzip
