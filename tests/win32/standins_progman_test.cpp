// The Program Manager stand-in, spoken to as the setup program does: service "ProgMan", no
// topic, one asynchronous execute, then an immediate disconnect.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which it needs
#include <ddeml.h>

#include <string>

#include "support/process.h"
#include "support/temp_dir.h"

namespace {

using testing_support::BinDir;
using testing_support::TempDir;

HDDEDATA CALLBACK IgnoreAll(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
  return nullptr;
}

class DdeClient {
 public:
  DdeClient() {
    DdeInitializeA(&instance_, IgnoreAll, APPCMD_CLIENTONLY, 0);
    service_ = DdeCreateStringHandleA(instance_, "ProgMan", CP_WINANSI);
  }
  ~DdeClient() {
    DdeFreeStringHandle(instance_, service_);
    DdeUninitialize(instance_);
  }

  // Connects with no topic, retrying while the server starts.
  HCONV Connect() {
    for (int attempt = 0; attempt < 100; ++attempt) {
      if (HCONV conversation = DdeConnect(instance_, service_, nullptr, nullptr))
        return conversation;
      Sleep(100);
    }
    return nullptr;
  }
  bool Execute(HCONV conversation, const std::string& text, bool wait) {
    HDDEDATA data =
        DdeCreateDataHandle(instance_, reinterpret_cast<BYTE*>(const_cast<char*>(text.c_str())),
                            static_cast<DWORD>(text.size() + 1), 0, nullptr, CF_TEXT, 0);
    DWORD result = 0;
    return DdeClientTransaction(reinterpret_cast<BYTE*>(data), 0xFFFFFFFF, conversation, nullptr,
                                CF_TEXT, XTYP_EXECUTE, wait ? 10000 : TIMEOUT_ASYNC,
                                &result) != nullptr;
  }

 private:
  DWORD instance_ = 0;
  HSZ service_ = nullptr;
};

class ProgmanServer {
 public:
  explicit ProgmanServer(const std::string& options) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string cmd = "\"" + BinDir() + "PROGMAN.EXE\" " + options;
    started_ = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &si, &process_);
  }
  ~ProgmanServer() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0)
      TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  bool started() const { return started_; }
  // Exit code once it ended within the time, else -1.
  int WaitForEnd(DWORD ms = 10000) {
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process_.hProcess, ms) == WAIT_OBJECT_0)
      GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
  }

 private:
  bool started_ = false;
  PROCESS_INFORMATION process_{};
};

bool WaitForFile(const TempDir& dir, const std::string& name, const std::string& content) {
  for (int i = 0; i < 100; ++i) {
    if (dir.Read(name) == content) return true;
    Sleep(100);
  }
  return false;
}

// One test: every server the suite starts answers the same service name.
TEST(ProgmanStandIn, CarriesOutAndRecordsTheSetupConversation) {
  TempDir dir;
  const std::string root = dir.File("Programs");
  ProgmanServer server("/record:\"" + dir.File("record.txt") + "\" /root:\"" + root +
                       "\" /idle:60");
  ASSERT_TRUE(server.started());
  DdeClient client;

  const std::string text =
      "[CreateGroup(\"RidOZIZUZ\")]\r\n"
      "[AddItem(\"C:\\Win Vort\\VORTEL.EXE\", \"Vortel\")]\r\n"
      "[AddItem(\"C:\\Win Vort\\MELDORA.EXE\", \"Meldora\")]\r\n"
      "[ShowGroup(\"RidOZIZUZ\",8)]\r\n";
  HCONV conversation = client.Connect();
  ASSERT_NE(conversation, nullptr);
  EXPECT_TRUE(client.Execute(conversation, text, false));
  DdeDisconnect(conversation);
  ASSERT_TRUE(WaitForFile(dir, "record.txt", text)) << dir.Read("record.txt");
  EXPECT_TRUE(dir.Exists("Programs\\RidOZIZUZ\\Vortel.lnk"));
  EXPECT_TRUE(dir.Exists("Programs\\RidOZIZUZ\\Meldora.lnk"));
  EXPECT_EQ(dir.Read("Programs\\RidOZIZUZ\\Vortel.lnk").substr(0, 4), std::string("L\0\0\0", 4))
      << "a shell link";

  // Names that would leave the root are refused (the server says so), and still recorded.
  const std::string escape =
      "[CreateGroup(\"..\\Outside\")][AddItem(\"C:\\X.EXE\", \"..\\..\\X\")]";
  conversation = client.Connect();
  ASSERT_NE(conversation, nullptr);
  EXPECT_FALSE(client.Execute(conversation, escape, true));
  EXPECT_FALSE(dir.Exists("Outside"));
  EXPECT_FALSE(dir.Exists("X.lnk"));
  EXPECT_EQ(dir.Read("record.txt"), text + escape);

  EXPECT_TRUE(client.Execute(conversation, "[ExitProgman(0)]", true));
  DdeDisconnect(conversation);
  EXPECT_EQ(server.WaitForEnd(), 0);

  // A second server ends on request from outside.
  ProgmanServer again("/record:\"" + dir.File("second.txt") + "\" /root:\"" + root + "\"");
  ASSERT_NE(client.Connect(), nullptr);
  ProgmanServer stopper("/stop");
  EXPECT_EQ(stopper.WaitForEnd(), 0);
  EXPECT_EQ(again.WaitForEnd(), 0);
}

TEST(ProgmanStandIn, IdleServerEndsByItself) {
  TempDir dir;
  ProgmanServer server("/record:\"" + dir.File("record.txt") + "\" /root:\"" + dir.File("P") +
                       "\" /idle:1");
  ASSERT_TRUE(server.started());
  EXPECT_EQ(server.WaitForEnd(20000), 0);
}

}  // namespace
