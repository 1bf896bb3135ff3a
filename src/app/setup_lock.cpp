#include "app/setup_lock.h"

#include <windows.h>

#include "log/debug_log.h"
#include "ui/message/mesaj_dlg.h"

namespace {

// Global: a setup in another session of the machine counts too.
constexpr char kSetupMutex[] = "Global\\RidOZIZUZ.Setup";

}  // namespace

bool AnotherSetupRuns() {
  HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, kSetupMutex);
  if (!mutex) return false;
  CloseHandle(mutex);
  return true;
}

TSetupLock::TSetupLock() {
  handle_ = CreateMutexA(nullptr, TRUE, kSetupMutex);
  acquired_ = handle_ && GetLastError() != ERROR_ALREADY_EXISTS;
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
