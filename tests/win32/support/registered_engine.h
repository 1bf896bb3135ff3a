// The engine's registered folder, the one place the setup loads the engine from: "DLLPATH" of
// the engine's key under HKEY_LOCAL_MACHINE, set for a scope and put back after it. Hold a
// MachineStateLock for as long.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

class RegisteredEngineFolder {
 public:
  explicit RegisteredEngineFolder(const std::string& list) {
    had_key_ = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS, &key_) == ERROR_SUCCESS;
    if (!had_key_ && RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                     nullptr, &key_, nullptr) != ERROR_SUCCESS) {
      key_ = nullptr;
    }
    DWORD size = 0;
    if (key_ &&
        RegQueryValueExA(key_, kValue, nullptr, &saved_type_, nullptr, &size) == ERROR_SUCCESS) {
      saved_.resize(size);
      had_value_ = RegQueryValueExA(key_, kValue, nullptr, &saved_type_, saved_.data(), &size) ==
                   ERROR_SUCCESS;
    }
    Set(list);
  }
  ~RegisteredEngineFolder() {
    if (!key_) return;
    if (had_value_) {
      RegSetValueExA(key_, kValue, 0, saved_type_, saved_.data(),
                     static_cast<DWORD>(saved_.size()));
    } else {
      RegDeleteValueA(key_, kValue);
    }
    RegCloseKey(key_);
    if (!had_key_) RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
  }
  RegisteredEngineFolder(const RegisteredEngineFolder&) = delete;
  RegisteredEngineFolder& operator=(const RegisteredEngineFolder&) = delete;

  bool Set(const std::string& list) {
    return key_ &&
           RegSetValueExA(key_, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(list.c_str()),
                          static_cast<DWORD>(list.size() + 1)) == ERROR_SUCCESS;
  }
  void Remove() {
    if (key_) RegDeleteValueA(key_, kValue);
  }

 private:
  static constexpr char kKey[] = "Software\\Borland\\Database Engine";
  static constexpr char kValue[] = "DLLPATH";
  HKEY key_ = nullptr;
  bool had_key_ = false;
  bool had_value_ = false;
  DWORD saved_type_ = REG_SZ;
  std::vector<BYTE> saved_;
};

}  // namespace testing_support
