#include "config/program_group.h"

#include <windows.h>
// after windows.h, which it needs
#include <ddeml.h>
#include <shlobj.h>

#include "changes/files.h"
#include "changes/journal.h"
#include "changes/rollback.h"
#include "config/group_commands.h"
#include "config/stopped_for_test.h"
#include "log/debug_log.h"
#include "os/ansi_code_page.h"
#include "os/os.h"
#include "os/run_and_wait.h"
#include "os/text_encoding.h"
#include "os/trust_boundary.h"
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

// The service's program where Windows keeps it (Program Manager up to Windows XP; later shells
// answer themselves), by its full path and in the system folder: by its bare name it would be
// looked for beside this program and in the current folder, the program directory, first.
bool StartServer(const std::string& service) {
  const std::string system_folder = trust::SystemFolder();
  const std::optional<std::string> program = trust::ServiceProgramPath(system_folder, service);
  if (!program || !os::FileExists(*program)) return false;
  // As long as WinExec would wait for it.
  constexpr uint32_t kIdleLimitMs = 30000;
  return os::StartProgramUntilIdle("\"" + *program + "\"", SW_SHOWMINNOACTIVE, system_folder,
                                   kIdleLimitMs);
}

HCONV Connect(DWORD instance, const std::string& service) {
  StringHandle server(instance, service), topic(instance, "");
  HCONV conversation = DdeConnect(instance, server.get(), topic.get(), nullptr);
  if (!conversation && StartServer(service)) {
    conversation = DdeConnect(instance, server.get(), topic.get(), nullptr);
  }
  return conversation;
}

// The group and its items, journaled before the commands go out.
bool RecordGroup(const std::string& program_dir) {
  changes::Change group;
  group.kind = changes::Kind::kDomain;
  group.handler = kGroupHandler;
  group.description = "create program group " + std::string(kGroupName);
  group.target = kGroupName;
  if (!changes::Record(group)) return false;
  for (const GroupItem& item : GroupItems(program_dir, &changes::FileExists)) {
    changes::Change line;
    line.kind = changes::Kind::kNote;
    line.description = "add program item " + item.title + " " + item.path;
    if (!changes::Record(line)) return false;
  }
  return true;
}

bool Transact(DWORD instance, HCONV conversation, const std::string& text) {
  HDDEDATA data =
      DdeCreateDataHandle(instance, reinterpret_cast<BYTE*>(const_cast<char*>(text.c_str())),
                          static_cast<DWORD>(text.size() + 1), 0, nullptr, CF_TEXT, 0);
  DWORD transaction = 0;
  return data && DdeClientTransaction(reinterpret_cast<BYTE*>(data), 0xFFFFFFFF, conversation,
                                      nullptr, 0, XTYP_EXECUTE, TIMEOUT_ASYNC, &transaction);
}

}  // namespace

bool SendGroupCommands(const std::string& service, const std::string& program_dir) {
  if (changes::Planning()) return RecordGroup(program_dir);
  const DWORD instance = ClientInstance();
  HCONV conversation = instance ? Connect(instance, service) : nullptr;
  if (!conversation) {
    DebugNote("Eroare initializare conversatie DDE");
    MesajDlg("Eroare DDE!", "Eroare...", mtError, taCenter, kButtonsCancel, mbCancel, 0);
    return false;
  }
  // Program Manager reads the commands in the ANSI code page: the items name the programs by
  // the directory's form there.
  std::string reason;
  const std::optional<std::string> ansi_dir = os::AnsiPathForm(program_dir, &reason);
  const std::optional<std::string> text =
      ansi_dir
          ? os::ToAnsiCodePage(GroupCommandText(GroupCommands(*ansi_dir, &changes::FileExists)))
          : std::nullopt;
  if (!text) DebugNote("Grupul nu poate numi " + program_dir + ": " + reason);
  // Journaled once a server answers, so that the journal names no group that was never made.
  const bool handed_over =
      text && RecordGroup(program_dir) && Transact(instance, conversation, *text);
  DdeDisconnect(conversation);
  return handed_over;
}

bool GroupPresent(const std::string& program_dir) {
  for (const int folder : {CSIDL_PROGRAMS, CSIDL_COMMON_PROGRAMS}) {
    wchar_t programs[MAX_PATH] = L"";
    if (FAILED(SHGetFolderPathW(nullptr, folder, nullptr, 0, programs))) continue;
    const std::string group = os::Utf8Shown(programs) + "\\" + kGroupName + "\\";
    bool whole = os::DirectoryExists(group);
    for (const GroupItem& item : GroupItems(program_dir, &os::FileExists))
      whole = whole && os::FileExists(group + item.title + ".lnk");
    if (whole) return true;
  }
  return false;
}

void RegisterGroupUndo() {
  changes::RegisterUndo(
      changes::Kind::kDomain, kGroupHandler, [](const changes::Change& change) -> std::string {
        const DWORD instance = ClientInstance();
        HCONV conversation = instance ? Connect(instance, "ProgMan") : nullptr;
        const bool done = conversation && Transact(instance, conversation, DeleteGroupCommand());
        if (conversation) DdeDisconnect(conversation);
        return done ? std::string() : "nu pot sterge grupul " + change.target;
      });
}

}  // namespace config

void DoConfigGroup(TInstallState& state) {
  DebugBegin("DoConfigGroup");
  config::SendGroupCommands("ProgMan", state.ProgramDir);
  config::StoppedForTest(state, "group");
  DebugEnd("DoConfigGroup");
}
