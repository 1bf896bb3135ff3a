// Serialises the tests that change the machine (registry, WIN.INI, C:\CONFIG.SYS), which CTest
// may otherwise run side by side in the same Wine prefix.
#pragma once

#include <windows.h>

namespace testing_support {

class MachineStateLock {
 public:
  MachineStateLock() : mutex_(CreateMutexA(nullptr, FALSE, "vort-tests-machine-state")) {
    if (mutex_) WaitForSingleObject(mutex_, INFINITE);
  }
  ~MachineStateLock() {
    if (!mutex_) return;
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
  }
  MachineStateLock(const MachineStateLock&) = delete;
  MachineStateLock& operator=(const MachineStateLock&) = delete;

 private:
  HANDLE mutex_;
};

}  // namespace testing_support
