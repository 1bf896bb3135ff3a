// The diagnostic log as the program writes it, and its failure dialogs, under Wine.
#include <gtest/gtest.h>

#include "app/debug_dialog.h"
#include "log/debug_log.h"
#include "support/dialog_watcher.h"
#include "support/process.h"
#include "support/remote_click.h"
#include "support/signed_kit.h"
#include "support/temp_dir.h"
#include "support/text_files.h"

using namespace testing_support;

namespace {

const char kLog[] = "c:\\vortinst.log";

// A working copy of INSTALL.EXE in a scratch folder, so that a marker file can lie beside it.
class InstallProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileA(kLog);
    // The working start from a kit the build takes.
    ASSERT_TRUE(WriteSignedKit(dir.str()));
    dir.Write("INSTVORT.DAT", dir.str() + "\r\n");
    ASSERT_TRUE(
        CopyFileA((BinDir() + "INSTALL.EXE").c_str(), dir.File("INSTALL.EXE").c_str(), FALSE));
  }
  void TearDown() override { DeleteFileA(kLog); }
  // Runs the working start and abandons the wizard on its first page (exit code 1602).
  int Run(const std::string& arguments) {
    Process install("\"" + dir.File("INSTALL.EXE") + "\"" + arguments);
    EXPECT_TRUE(ClickWhenShown("Alegeti tipul instalarii!", "&Abandon"));
    return install.Wait();
  }
  TempDir dir;
};

}  // namespace

TEST_F(InstallProgram, LogIsAppendedAcrossRunsNeverReplaced) {
  ASSERT_EQ(Run(" -log x"), 1602);
  const std::string first = ReadWholeFile(kLog);
  ASSERT_EQ(CountOf(first, "Begin debug session: INSTALL - "), 1) << first;
  EXPECT_EQ(first.rfind(" <TIMP ", 0), 0u) << "first line holds only the time tag";
  ASSERT_EQ(Run(" -log -log -log -log"), 1602);
  const std::string both = ReadWholeFile(kLog);
  EXPECT_EQ(both.rfind(first, 0), 0u) << "the first session stays in front";
  EXPECT_EQ(CountOf(both, "Begin debug session: INSTALL - "), 2);
  EXPECT_EQ(CountOf(both, "End debug session: INSTALL - "), 2);
}

TEST_F(InstallProgram, LogStaysOffWithoutSwitchOrMarker) {
  ASSERT_EQ(Run(" -log"), 1602);
  ASSERT_EQ(Run(" -LOG -LOG"), 1602);
  EXPECT_EQ(GetFileAttributesA(kLog), INVALID_FILE_ATTRIBUTES);
}

TEST_F(InstallProgram, MarkerFileBesideTheProgramSwitchesTheLogOn) {
  dir.Write("debug.pas", "");
  ASSERT_EQ(Run(""), 1602);
  EXPECT_EQ(CountOf(ReadWholeFile(kLog), "End debug session: INSTALL - "), 1);
}

TEST(LogFailure, UnwritablePathShowsOpenThenWriteDialogsAndSwitchesOff) {
  InstallDebugDialog();
  std::vector<SeenDialog> seen;
  {
    DialogWatcher watcher(IDOK);
    DebugEnabled = true;
    DebugOpen("c:\\no such folder\\vortinst.log", "INSTALL");
    EXPECT_FALSE(DebugEnabled);
    DebugNote("after the failure");
    seen = watcher.Seen();
  }
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].caption, "Atentie !");
  EXPECT_NE(seen[0].text.find("eroare OPEN debug"), std::string::npos) << seen[0].text;
  EXPECT_NE(seen[1].text.find("eroare SCRIERE debug"), std::string::npos) << seen[1].text;
}
