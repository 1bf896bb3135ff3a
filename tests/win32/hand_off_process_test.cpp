// The media start as a user meets it: INSTALL.EXE started from a media folder.
#include <gtest/gtest.h>

#include "support/dialog_watcher.h"
#include "support/process.h"
#include "support/remote_click.h"
#include "support/temp_dir.h"
#include "support/text_files.h"

using namespace testing_support;

namespace {

const char kLog[] = "c:\\vortinst.log";

class MediaStart : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileA(kLog);
    ASSERT_TRUE(
        CopyFileA((BinDir() + "INSTALL.EXE").c_str(), media.File("INSTALL.EXE").c_str(), FALSE));
    media.Write("INSTALL.CFG", "[General]\r\nNrDiscuri=3\r\n");
    work = temp.File("Local Settings\\Temp dir") + "\\";
    CreateDirectoryA(temp.File("Local Settings").c_str(), nullptr);
    CreateDirectoryA(work.c_str(), nullptr);
    char old[MAX_PATH] = "";
    had_temp_ = GetEnvironmentVariableA("TEMP", old, sizeof old) > 0;
    old_temp_ = old;
    SetEnvironmentVariableA("TEMP", work.substr(0, work.size() - 1).c_str());
  }
  void TearDown() override {
    SetEnvironmentVariableA("TEMP", had_temp_ ? old_temp_.c_str() : nullptr);
    // The relaunched copy may still be running from the working directory.
    for (int i = 0; i < 100 && !DeleteFileA((work + "INSTVORT.EXE").c_str()) &&
                    GetFileAttributesA((work + "INSTVORT.EXE").c_str()) != INVALID_FILE_ATTRIBUTES;
         ++i)
      Sleep(50);
    DeleteFileA(kLog);
  }
  // Waits until the log holds `count` end lines, as the relaunched copy writes its own.
  std::string LogWithEnds(int count) {
    std::string log;
    for (int i = 0; i < 200; ++i, Sleep(50)) {
      log = ReadWholeFile(kLog);
      if (CountOf(log, "End debug session: ") >= count) break;
    }
    return log;
  }
  TempDir media, temp;
  std::string work;

 private:
  bool had_temp_ = false;
  std::string old_temp_;
};

}  // namespace

TEST_F(MediaStart, CopiesIntoTempWithBlanksAndRelaunchesWithTheLogSwitch) {
  media.Write("UPGRADE.1", "PK\x05\x06 upgrade");
  // The media are no signed kit: the administrator's word lets them through.
  ASSERT_EQ(RunProcess("\"" + media.File("INSTALL.EXE") + "\" -log x /ALLOWUNSIGNED"), 0);
  EXPECT_TRUE(ClickWhenShown("Alegeti tipul instalarii!", "&Abandon"))
      << "the copy runs the wizard";
  EXPECT_EQ(ReadWholeFile(work + "INSTVORT.EXE"), ReadWholeFile(media.File("INSTALL.EXE")));
  EXPECT_EQ(ReadWholeFile(work + "INSTVORT.CFG"), media.Read("INSTALL.CFG"));
  EXPECT_EQ(ReadWholeFile(work + "INSTVORT.DAT"), media.str() + "\r\n");

  const std::string log = LogWithEnds(1);
  EXPECT_EQ(CountOf(log, "Begin debug session: INSTALL - "), 2)
      << "the copy opens its own session:\n"
      << log;
  EXPECT_EQ(CountOf(log, "End debug session: INSTALL - "), 1)
      << "the media start leaves no end line:\n"
      << log;
}

TEST_F(MediaStart, MissingMediaFileIsNamedAndNothingIsStarted) {
  std::vector<SeenDialog> seen;
  {
    Process install("\"" + media.File("INSTALL.EXE") + "\" -log x");
    DialogWatcher watcher(IDOK, install.id());
    ASSERT_EQ(install.Wait(), 1603) << "a deployment tool is told that it failed";
    seen = watcher.Seen();
  }
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, "EROARE !");
  EXPECT_NE(seen[0].text.find(media.File("UPGRADE.1")), std::string::npos) << seen[0].text;
  EXPECT_EQ(GetFileAttributesA((work + "INSTVORT.DAT").c_str()), INVALID_FILE_ATTRIBUTES);
  Sleep(500);
  EXPECT_EQ(CountOf(ReadWholeFile(kLog), "Begin debug session: "), 1) << "no copy was started";
}

TEST_F(MediaStart, ASecondSetupOfTheProductEndsWith1618AndCopiesNothing) {
  media.Write("UPGRADE.1", "PK\x05\x06 upgrade");
  HANDLE running = CreateMutexA(nullptr, TRUE, "Global\\RidOZIZUZ.Setup");
  ASSERT_NE(running, nullptr);
  EXPECT_EQ(RunProcess("\"" + media.File("INSTALL.EXE") + "\" /VERYSILENT"), 1618);
  CloseHandle(running);
  EXPECT_EQ(GetFileAttributesA((work + "INSTVORT.EXE").c_str()), INVALID_FILE_ATTRIBUTES);
}
