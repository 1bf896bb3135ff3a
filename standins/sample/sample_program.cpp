// The sample product's programs (VORTEL.EXE, MELDORA.EXE, ROVANEL.EXE, TESKARD.EXE): one small
// program under several names, saying which one it is.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name(path, n < MAX_PATH ? n : 0);
  name = name.substr(name.find_last_of('\\') + 1);
  MessageBoxA(nullptr, (name + "\r\nRidOZIZUZ sample program").c_str(), "RidOZIZUZ",
              MB_OK | MB_ICONINFORMATION);
  return 0;
}
