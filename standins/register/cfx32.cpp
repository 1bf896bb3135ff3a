// Stand-in for the product's control: registering it writes its class keys, and every
// registration is recorded with the command line and directory of the registering process.
#include <olectl.h>
#include <windows.h>

#include <string>

#include "common/trace.h"

namespace {

constexpr char kClassKey[] = "CLSID\\{6F3C1A52-9D4E-4B7A-8E21-5C0D7A3B9F14}";
constexpr char kServerKey[] = "CLSID\\{6F3C1A52-9D4E-4B7A-8E21-5C0D7A3B9F14}\\InprocServer32";
constexpr char kProgIdKey[] = "CFX32.CfxCtrl.1\\CLSID";
constexpr char kClassId[] = "{6F3C1A52-9D4E-4B7A-8E21-5C0D7A3B9F14}";

bool SetString(const char* key_path, const char* name, const std::string& value) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key_path, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return false;
  const LONG result =
      RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

void Record(const char* entry) {
  standin::AppendToFile(
      standin::ModuleDirectory(standin::ThisModule()) + "CFX32.TRC",
      std::string(entry) + "\t" + GetCommandLineA() + "\t" + standin::CurrentDirectory() + "\r\n");
}

}  // namespace

extern "C" {

HRESULT WINAPI DllRegisterServer() {
  Record("DllRegisterServer");
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(standin::ThisModule(), path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return SELFREG_E_CLASS;
  const bool ok = SetString(kClassKey, nullptr, "CFX32 Control") &&
                  SetString(kServerKey, nullptr, path) &&
                  SetString(kServerKey, "ThreadingModel", "Apartment") &&
                  SetString(kProgIdKey, nullptr, kClassId);
  return ok ? S_OK : SELFREG_E_CLASS;
}

HRESULT WINAPI DllUnregisterServer() {
  Record("DllUnregisterServer");
  RegDeleteKeyA(HKEY_CLASSES_ROOT, kServerKey);
  RegDeleteKeyA(HKEY_CLASSES_ROOT, kClassKey);
  RegDeleteKeyA(HKEY_CLASSES_ROOT, kProgIdKey);
  RegDeleteKeyA(HKEY_CLASSES_ROOT, "CFX32.CfxCtrl.1");
  return S_OK;
}

}  // extern "C"
