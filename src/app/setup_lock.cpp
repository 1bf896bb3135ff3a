#include "app/setup_lock.h"

#include <windows.h>

#include "log/debug_log.h"
#include "os/trust_boundary.h"
#include "ui/message/mesaj_dlg.h"

namespace {

// Global: a setup in another session of the machine counts too.
constexpr char kSetupMutex[] = "Global\\RidOZIZUZ.Setup";

// Any user can make the name first, to have every setup refuse with 1618: only a mutex of an
// administrator or SYSTEM counts, another is named in the log and passed over.
bool IsSetupsMutex(HANDLE mutex) {
  if (trust::MadeByAdministrators(mutex)) return true;
  DebugNote(std::string(kSetupMutex) + " este al unui utilizator: nu il iau in seama");
  return false;
}

}  // namespace

bool AnotherSetupRuns() {
  HANDLE mutex = OpenMutexA(SYNCHRONIZE | READ_CONTROL, FALSE, kSetupMutex);
  if (!mutex) return false;
  const bool another = IsSetupsMutex(mutex);
  CloseHandle(mutex);
  return another;
}

TSetupLock::TSetupLock() {
  handle_ = trust::CreateSetupMutex(kSetupMutex, true);
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  if (!handle_) {
    // Another kind of object, or a mutex that keeps administrators out: not a setup's.
    DebugNote(std::string(kSetupMutex) + " este al altcuiva: instalarea merge mai departe");
    acquired_ = true;
  } else if (existed && !IsSetupsMutex(handle_)) {
    CloseHandle(handle_);
    handle_ = nullptr;
    acquired_ = true;
  } else {
    acquired_ = !existed;
  }
}

TSetupLock::~TSetupLock() {
  if (handle_) CloseHandle(handle_);
}

void Refuse(const TSetupOptions& options, const std::string& text) {
  DebugNote(text);
  if (options.mode == TRunMode::kVerySilent) return;
  const bool unattended = MessagesUnattended();
  SetMessagesUnattended(false);
  MesajDlg(text, "Eroare!", mtError, taCenter, kButtonsOK, mbOK, 0);
  SetMessagesUnattended(unattended);
}
