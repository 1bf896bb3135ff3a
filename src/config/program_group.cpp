#include "config/program_group.h"

#include <windows.h>
// after windows.h, which it needs
#include <ddeml.h>

#include "config/group_commands.h"
#include "log/debug_log.h"
#include "os/os.h"
#include "state/install_state.h"
#include "ui/message/mesaj_dlg.h"

namespace config {

namespace {

HDDEDATA CALLBACK ClientCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return nullptr;
}

// The process's one DDE client instance, made on first use.
DWORD ClientInstance() {
  static DWORD instance = [] {
    DWORD id = 0;
    if (DdeInitializeA(&id, &ClientCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) id = 0;
    return id;
  }();
  return instance;
}

class StringHandle {
 public:
  StringHandle(DWORD instance, const std::string& text) : instance_(instance) {
    // An empty topic stays 0, which asks any topic of the server.
    if (!text.empty()) handle_ = DdeCreateStringHandleA(instance, text.c_str(), CP_WINANSI);
  }
  ~StringHandle() {
    if (handle_) DdeFreeStringHandle(instance_, handle_);
  }
  StringHandle(const StringHandle&) = delete;
  StringHandle& operator=(const StringHandle&) = delete;
  HSZ get() const { return handle_; }

 private:
  DWORD instance_;
  HSZ handle_ = nullptr;
};

HCONV Connect(DWORD instance, const std::string& service) {
  StringHandle server(instance, service), topic(instance, "");
  HCONV conversation = DdeConnect(instance, server.get(), topic.get(), nullptr);
  if (!conversation && WinExec((service + " ").c_str(), SW_SHOWMINNOACTIVE) > 31) {
    conversation = DdeConnect(instance, server.get(), topic.get(), nullptr);
  }
  return conversation;
}

}  // namespace

bool SendGroupCommands(const std::string& service, const std::string& program_dir) {
  const DWORD instance = ClientInstance();
  HCONV conversation = instance ? Connect(instance, service) : nullptr;
  if (!conversation) {
    DebugNote("Eroare initializare conversatie DDE");
    MesajDlg("Eroare DDE!", "Eroare...", mtError, taCenter, kButtonsCancel, mbCancel, 0);
    return false;
  }
  const std::string text = GroupCommandText(
      GroupCommands(program_dir, [](const std::string& path) { return os::FileExists(path); }));
  HDDEDATA data =
      DdeCreateDataHandle(instance, reinterpret_cast<BYTE*>(const_cast<char*>(text.c_str())),
                          static_cast<DWORD>(text.size() + 1), 0, nullptr, CF_TEXT, 0);
  DWORD transaction = 0;
  const bool handed_over =
      data && DdeClientTransaction(reinterpret_cast<BYTE*>(data), 0xFFFFFFFF, conversation, nullptr,
                                   0, XTYP_EXECUTE, TIMEOUT_ASYNC, &transaction);
  DdeDisconnect(conversation);
  return handed_over;
}

}  // namespace config

void DoConfigGroup(const TInstallState& state) {
  DebugBegin("DoConfigGroup");
  config::SendGroupCommands("ProgMan", state.ProgramDir);
  DebugEnd("DoConfigGroup");
}
