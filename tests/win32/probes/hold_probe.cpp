// A program that holds a file open as Windows holds a running program's file: others may read
// it but neither write, rename over nor delete it. Its window's button "&Release" lets it go and
// ends the program; so does the end of the session.
//   hold_probe PATH   (the words after the program's name are the path, blanks and all)
#include <windows.h>

#include <string>

namespace {

HANDLE g_file = INVALID_HANDLE_VALUE;

LRESULT CALLBACK HolderProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_COMMAND && LOWORD(w) == IDOK) {
    CloseHandle(g_file);
    g_file = INVALID_HANDLE_VALUE;
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, w, l);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::string path = argv[1];
  for (int i = 2; i < argc; ++i) path += std::string(" ") + argv[i];
  g_file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  if (g_file == INVALID_HANDLE_VALUE) return 1;
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = HolderProc;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = "HoldProbe";
  RegisterClassA(&window_class);
  HWND window =
      CreateWindowA("HoldProbe", "Holding the file", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 600,
                    240, 100, nullptr, nullptr, window_class.hInstance, nullptr);
  CreateWindowA("BUTTON", "&Release", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 60, 20, 100, 28,
                window, reinterpret_cast<HMENU>(IDOK), window_class.hInstance, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (g_file != INVALID_HANDLE_VALUE) CloseHandle(g_file);
  return 0;
}
