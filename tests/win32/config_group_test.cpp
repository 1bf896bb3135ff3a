// The program group conversation, with a small DDE server inside the test process in the place
// of the shell.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <ddeml.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "config/program_group.h"
#include "state/install_state.h"
#include "support/machine_state_lock.h"
#include "support/page_harness.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

// A DDE server on its own thread that accepts any topic and records each execute text.
class RecordingServer {
 public:
  explicit RecordingServer(const std::string& service) : service_(service) {
    thread_ = std::thread([this] { Run(); });
    while (!ready_) Sleep(10);
  }
  ~RecordingServer() {
    PostThreadMessageA(thread_id_, WM_QUIT, 0, 0);
    thread_.join();
  }
  // Waits (processing this thread's messages) until `count` texts have come.
  std::vector<std::string> WaitForTexts(size_t count) {
    for (int i = 0; i < 300; ++i) {
      {
        std::lock_guard<std::mutex> lock(mutex_);
        if (texts_.size() >= count) return texts_;
      }
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      Sleep(10);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
  }

 private:
  static HDDEDATA CALLBACK Callback(UINT type, UINT, HCONV, HSZ topic, HSZ, HDDEDATA data,
                                    ULONG_PTR, ULONG_PTR) {
    RecordingServer* self = current_;
    switch (type) {
      case XTYP_CONNECT:
        return reinterpret_cast<HDDEDATA>(TRUE);
      case XTYP_WILDCONNECT: {
        HSZPAIR pairs[2] = {{self->service_handle_, topic ? topic : self->service_handle_},
                            {nullptr, nullptr}};
        return DdeCreateDataHandle(self->instance_, reinterpret_cast<BYTE*>(pairs), sizeof pairs, 0,
                                   nullptr, CF_TEXT, 0);
      }
      case XTYP_EXECUTE: {
        const DWORD size = DdeGetData(data, nullptr, 0, 0);
        std::string text(size, '\0');
        DdeGetData(data, reinterpret_cast<BYTE*>(text.data()), size, 0);
        std::lock_guard<std::mutex> lock(self->mutex_);
        self->texts_.push_back(text);
        return reinterpret_cast<HDDEDATA>(DDE_FACK);
      }
      default:
        return nullptr;
    }
  }

  void Run() {
    thread_id_ = GetCurrentThreadId();
    current_ = this;
    DdeInitializeA(&instance_, &Callback, APPCLASS_STANDARD | CBF_SKIP_ALLNOTIFICATIONS, 0);
    service_handle_ = DdeCreateStringHandleA(instance_, service_.c_str(), CP_WINANSI);
    DdeNameService(instance_, service_handle_, nullptr, DNS_REGISTER);
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists from here
    ready_ = true;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    DdeNameService(instance_, service_handle_, nullptr, DNS_UNREGISTER);
    DdeFreeStringHandle(instance_, service_handle_);
    DdeUninitialize(instance_);
  }

  static inline RecordingServer* current_ = nullptr;
  std::string service_;
  DWORD instance_ = 0;
  HSZ service_handle_ = nullptr;
  DWORD thread_id_ = 0;
  std::atomic<bool> ready_{false};
  std::mutex mutex_;
  std::vector<std::string> texts_;
  std::thread thread_;
};

}  // namespace

std::string Item(const std::string& dir, const std::string& file, const std::string& title) {
  return "[AddItem(\"" + dir + "\\" + file + "\", \"" + title + "\")]\r\n";
}

// The text as it travels, with its terminating zero.
std::string Sent(const std::string& text) {
  return std::string(text.c_str(), text.size() + 1);
}

TEST(ProgramGroup, OneProgramGivesThreeCommandsInOneText) {
  MachineStateLock lock;  // one server of the name at a time
  RecordingServer server("ProgMan");
  TempDir dir;
  TInstallState state;
  state.ProgramDir = dir.path().string();
  DoConfigGroup(state);
  const std::vector<std::string> texts = server.WaitForTexts(1);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0], Sent("[CreateGroup(\"RidOZIZUZ\")]\r\n" +
                           Item(state.ProgramDir, "VORTEL.EXE", "Vortel") +
                           "[ShowGroup(\"RidOZIZUZ\",8)]\r\n"));
}

TEST(ProgramGroup, SiblingProgramsFollowTheMainOneInFixedOrder) {
  MachineStateLock lock;  // one server of the name at a time
  RecordingServer server("ProgMan");
  TempDir dir;
  for (const char* name : {"TESKARD.EXE", "VORTEL.EXE", "ROVANEL.EXE", "MELDORA.EXE"}) {
    dir.Write(name, "MZ");
  }
  const std::string pd = dir.path().string();
  TInstallState state;
  state.ProgramDir = pd;
  DoConfigGroup(state);
  const std::vector<std::string> texts = server.WaitForTexts(1);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0],
            Sent("[CreateGroup(\"RidOZIZUZ\")]\r\n" + Item(pd, "VORTEL.EXE", "Vortel") +
                 Item(pd, "MELDORA.EXE", "Meldora") + Item(pd, "ROVANEL.EXE", "Rovanel") +
                 Item(pd, "TESKARD.EXE", "Teskard") + "[ShowGroup(\"RidOZIZUZ\",8)]\r\n"));
}

TEST(ProgramGroup, NoServerAndNoProgramToStartIsReportedOnce) {
  std::vector<SeenMessage> seen;
  {
    PageHarness harness;
    harness.AnswerMessages(mrOk);
    EXPECT_FALSE(config::SendGroupCommands("VortNoSuchDdeServer", "C:\\WinVort"));
    seen = harness.Messages();
  }
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, "Eroare...");
  EXPECT_NE(seen[0].text.find("Eroare DDE!"), std::string::npos) << seen[0].text;
}
