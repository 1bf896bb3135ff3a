// The wizard driver at work on WIZTARGET.EXE, a program with the kinds of windows the wizard
// shows: each script is carried out by wizdrive.exe from outside the target's process.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

#include "support/process.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

struct DriverRun {
  int code = -1;
  std::string output;  // what it wrote to stdout and stderr
};

class WizdriveTest : public ::testing::Test {
 protected:
  std::string LogPath() const { return temp.File("events.log"); }
  std::string Events() const { return ReadFile(LogPath()); }
  std::string Shots() const { return temp.File("shots"); }
  std::string Handshake() const { return temp.File("disk.request"); }

  void StartTarget(const std::string& options = "") {
    target_ = std::make_unique<Process>("\"" + BinDir() + "WIZTARGET.EXE\" --log \"" + LogPath() +
                                        "\" " + options);
    ASSERT_NE(target_->id(), 0u);
  }

  // Runs the driver on a script and returns its exit code and report.
  DriverRun Drive(const std::string& script, bool handshake = true) {
    temp.Write("script.txt", script);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const std::string report = temp.File("report.txt");
    HANDLE out = CreateFileA(report.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = out;
    si.hStdError = out;
    std::string cmd = "\"" + BinDir() + "wizdrive.exe\" --shots \"" + Shots() + "\" " +
                      (handshake ? "--handshake \"" + Handshake() + "\" " : "") + "\"" +
                      temp.File("script.txt") + "\"";
    PROCESS_INFORMATION pi{};
    DriverRun run;
    if (CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                       nullptr, &si, &pi)) {
      if (WaitForSingleObject(pi.hProcess, 90000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 9);
      DWORD code = 0;
      GetExitCodeProcess(pi.hProcess, &code);
      run.code = static_cast<int>(code);
      CloseHandle(pi.hThread);
      CloseHandle(pi.hProcess);
    }
    CloseHandle(out);
    run.output = ReadFile(report);
    return run;
  }

  void TearDown() override {
    if (target_ && target_->Wait(5000) == -1) ADD_FAILURE() << "the target did not end";
  }

  TempDir temp;
  std::unique_ptr<Process> target_;
};

TEST_F(WizdriveTest, ClicksButtonsRadioItemsAndPaintedControlsAndTypesIntoFields) {
  StartTarget();
  const DriverRun run = Drive(
      "timeout 20\n"
      "wait-window \"Wizdrive target\"\n"
      "click \"LOCAL\"              # contained in the item's text\n"
      "click \" CLIEN&T    - programul va folosi o baza de date aflata la distanta\"\n"
      "click \"&Painted\"           # a control that draws itself: the mouse\n"
      "click-mouse \"&Painted\"     # the real mouse\n"
      "type \"Director program:\" \"C:\\Win Vort\"\n"
      "type 2 \"D:\\Date\"\n"
      "expect-field 1 \"C:\\Win Vort\"\n"
      "click \"Continua\"\n"
      "key ALT+C\n"
      "shot form window\n"
      "dump\n"
      "click \"&Abandon\"\n"
      "wait-exit WIZTARGET.EXE\n");
  EXPECT_EQ(run.code, 0) << run.output;
  EXPECT_EQ(Events(),
            "ready\r\nradio 0\r\nradio 2\r\npainted\r\npainted\r\n"
            "continue C:\\Win Vort|D:\\Date\r\ncontinue C:\\Win Vort|D:\\Date\r\nabandon\r\n");
  EXPECT_NE(run.output.find("  WizPaintedButton \"&Painted\""), std::string::npos) << run.output;
  const std::string shot = ReadFile(Shots() + "\\form.bmp");
  ASSERT_GT(shot.size(), 54u);
  EXPECT_EQ(shot.substr(0, 2), "BM");
}

TEST_F(WizdriveTest, ReadsAndAnswersAMessageBoxThenClosesTheWindow) {
  StartTarget();
  const DriverRun run = Drive(
      "timeout 20\n"
      "wait-window \"Wizdrive target\"\n"
      "click \"&Mesaj\"\n"
      "wait-text \"introdu discul de instalare\"\n"
      "expect-text \"numarul 2\"   # the text holds a line break before the number\n"
      "key ESC\n"
      "wait-gone \"introdu discul de instalare\"\n"
      "click \"&Mesaj\"\n"
      "wait-text \"introdu discul de instalare\"\n"
      "key ENTER\n"
      "wait-gone \"introdu discul de instalare\"\n"
      "wait-window \"Wizdrive target\"\n"
      "close\n"
      "wait-exit WIZTARGET.EXE\n");
  EXPECT_EQ(run.code, 0) << run.output;
  EXPECT_EQ(Events(), "ready\r\nmessage 2\r\nmessage 1\r\n");
}

// Plays the outside script's part: when the driver asks for a disk, the disk goes in and the
// handshake file goes away.
class DiskChanger {
 public:
  DiskChanger(std::string handshake, std::string media)
      : handshake_(std::move(handshake)), media_(std::move(media)), thread_([this] { Run(); }) {}
  ~DiskChanger() {
    stop_ = true;
    thread_.join();
  }
  std::string asked() const { return asked_; }

 private:
  void Run() {
    while (!stop_) {
      if (Exists(handshake_)) {
        const std::string n = ReadFile(handshake_);
        asked_ += n;
        std::ofstream(media_ + "\\DISK" + std::to_string(std::atoi(n.c_str())));
        DeleteFileA(handshake_.c_str());
      }
      Sleep(20);
    }
  }
  std::string handshake_, media_, asked_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

TEST_F(WizdriveTest, DiskRequestWaitsForTheDiskToBeChanged) {
  CreateDirectoryA(temp.File("media").c_str(), nullptr);
  StartTarget("--ask-disk 2 --disk-dir \"" + temp.File("media") + "\"");
  std::string asked;
  DriverRun run;
  {
    DiskChanger changer(Handshake(), temp.File("media"));
    run = Drive(
        "timeout 20\n"
        "wait-text \"introdu discul de instalare cu numarul\"\n"
        "shot prompt\n"
        "disk 2\n"
        "click \"O&K\"\n"
        "wait-exit WIZTARGET.EXE\n");
    asked = changer.asked();
  }
  EXPECT_EQ(run.code, 0) << run.output;
  EXPECT_EQ(asked, "2\r\n");
  EXPECT_NE(run.output.find("wizdrive: disk 2\r\n"), std::string::npos) << run.output;
  EXPECT_EQ(Events().rfind("disk 2 found after 1 prompts", 0), 0u) << Events();
  EXPECT_TRUE(Exists(Shots() + "\\prompt.bmp"));
}

TEST_F(WizdriveTest, FailuresNameTheLineAndLeaveAPicture) {
  StartTarget("--ask-disk 3 --disk-dir \"" + temp.File("media") + "\"");
  DriverRun run = Drive(
      "wait-text \"introdu discul de instalare\"\n"
      "timeout 1\n"
      "click \"&Absent\"\n");
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.output.find("wizdrive: line 3: click \"&Absent\"\r\n"
                            "wizdrive: cannot click within 1 s: no enabled window shows "
                            "\"&Absent\""),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("  WizPaintedButton \"&Renunt\""), std::string::npos) << run.output;
  EXPECT_TRUE(Exists(Shots() + "\\failure-line3.bmp"));

  // Nobody answers the disk request: the driver gives up and takes its request back.
  run = Drive("timeout 0.5\ndisk 3\n");
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.output.find("disk 3 was not inserted within 0.5 s"), std::string::npos)
      << run.output;
  EXPECT_FALSE(Exists(Handshake()));

  run = Drive("disk 3\n", false);
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.output.find("no handshake file was given (--handshake)"), std::string::npos);

  run = Drive("dump\nclick OK Cancel\n");
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.output.find("script.txt: line 2: expected click CAPTION"), std::string::npos)
      << run.output;

  run = Drive("timeout 10\nclick \"&Renunt\"\nwait-exit WIZTARGET.EXE\n");
  EXPECT_EQ(run.code, 0) << run.output;
  EXPECT_EQ(Events(), "disk 3 cancelled\r\n");
}

}  // namespace
