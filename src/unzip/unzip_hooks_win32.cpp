#include <windows.h>

#include "unzip/unzip_hooks.h"

namespace unzip {

void PlatformPumpMessages(WindowHandle window) {
  const HWND dialog = reinterpret_cast<HWND>(window);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (dialog && IsDialogMessageA(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void PlatformSendProgress(WindowHandle window, uint32_t id, uint16_t* percent) {
  SendMessageA(reinterpret_cast<HWND>(window), WM_COMMAND, static_cast<WPARAM>(id),
               reinterpret_cast<LPARAM>(percent));
}

bool PlatformKeyDown(int32_t key) {
  return (GetAsyncKeyState(key) & 0x8000) != 0;
}

}  // namespace unzip
