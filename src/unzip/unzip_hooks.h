// What the engine needs from the user interface while it works: processing pending
// messages, telling a window the progress, and the state of the abort key. Each is a plain
// function pointer that the window framework or a test may replace.
#pragma once

#include <cstdint>

namespace unzip {

// A window handle as the engine passes it on; 0 means none.
using WindowHandle = uintptr_t;

using MessagePumpHook = void (*)(WindowHandle window);
// Sends the window the progress; the receiver may leave 65535 in `percent` to abort.
using ProgressHook = void (*)(WindowHandle window, uint32_t id, uint16_t* percent);
using KeyDownHook = bool (*)(int32_t key);

// Each setter returns the hook it replaces; passing nullptr restores the platform's own.
MessagePumpHook SetMessagePumpHook(MessagePumpHook hook);
ProgressHook SetProgressHook(ProgressHook hook);
KeyDownHook SetKeyDownHook(KeyDownHook hook);

void PumpMessages(WindowHandle window);
void SendProgress(WindowHandle window, uint32_t id, uint16_t* percent);
bool KeyDown(int32_t key);

// The platform's own behaviour (Win32: PeekMessage loop, WM_COMMAND, GetAsyncKeyState;
// elsewhere nothing happens).
void PlatformPumpMessages(WindowHandle window);
void PlatformSendProgress(WindowHandle window, uint32_t id, uint16_t* percent);
bool PlatformKeyDown(int32_t key);

}  // namespace unzip
