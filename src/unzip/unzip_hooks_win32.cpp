#include <windows.h>

#include "unzip/unzip_hooks.h"

namespace unzip {

void PlatformPumpMessages(WindowHandle window) {
  const HWND dialog = reinterpret_cast<HWND>(window);
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (dialog && IsDialogMessageW(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void PlatformSendProgress(WindowHandle window, uint32_t id, uint16_t* percent) {
  SendMessageW(reinterpret_cast<HWND>(window), WM_COMMAND, static_cast<WPARAM>(id),
               reinterpret_cast<LPARAM>(percent));
}

bool PlatformKeyDown(int32_t key) {
  return (GetAsyncKeyState(key) & 0x8000) != 0;
}

}  // namespace unzip
