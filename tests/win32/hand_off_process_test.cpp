// The media start as a user meets it: INSTALL.EXE started from a media folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "app/run_folder.h"
#include "os/trust_boundary.h"
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
    for (auto& [name, value] : saved_) {
      char old[MAX_PATH] = "";
      value =
          GetEnvironmentVariableA(name, old, sizeof old) > 0 ? old : std::optional<std::string>();
      SetEnvironmentVariableA(name, work.substr(0, work.size() - 1).c_str());
    }
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_)
      SetEnvironmentVariableA(name, value ? value->c_str() : nullptr);
    // The relaunched copy may still be running from its folder.
    for (const std::string& folder : RunFolders()) {
      const std::string copy = folder + "\\INSTVORT.EXE";
      for (int i = 0; i < 100 && !DeleteFileA(copy.c_str()) &&
                      GetFileAttributesA(copy.c_str()) != INVALID_FILE_ATTRIBUTES;
           ++i)
        Sleep(50);
    }
    DeleteFileA(kLog);
  }
  // The run folders made in the temporary folder.
  std::vector<std::string> RunFolders() const {
    std::vector<std::string> folders;
    for (const auto& entry : std::filesystem::directory_iterator(work)) {
      if (entry.is_directory() && IsRunFolder(entry.path().string()))
        folders.push_back(entry.path().string());
    }
    return folders;
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
  // The temporary folder is TMP's, else TEMP's.
  std::pair<const char*, std::optional<std::string>> saved_[2] = {{"TMP", {}}, {"TEMP", {}}};
};

}  // namespace

TEST_F(MediaStart, CopiesIntoAFolderOfItsOwnAndRelaunchesWithTheLogSwitch) {
  media.Write("UPGRADE.1", "PK\x05\x06 upgrade");
  // What a user left in the temporary folder under the names the copy has.
  const std::string planted = "[General]\r\nsomebody else's\r\n";
  for (const char* name : {"INSTVORT.CFG", "INSTVORT.DAT", "UPGRADE.ZIP"})
    temp.Write(std::string("Local Settings\\Temp dir\\") + name, planted);
  // The media are no signed kit: the administrator's word lets them through.
  ASSERT_EQ(RunProcess("\"" + media.File("INSTALL.EXE") + "\" -log x /ALLOWUNSIGNED"), 0);
  for (int i = 0; i < 200 && !FindWindowA(nullptr, "Alegeti tipul instalarii!"); ++i) Sleep(50);
  ASSERT_EQ(RunFolders().size(), 1u) << "one new folder under " << work;
  const std::string folder = RunFolders()[0] + "\\";
  EXPECT_EQ(ReadWholeFile(folder + "INSTVORT.EXE"), ReadWholeFile(media.File("INSTALL.EXE")));
  EXPECT_EQ(ReadWholeFile(folder + "INSTVORT.CFG"), media.Read("INSTALL.CFG"));
  EXPECT_EQ(ReadWholeFile(folder + "INSTVORT.DAT"), media.str() + "\r\n");
  EXPECT_TRUE(ClickWhenShown("Alegeti tipul instalarii!", "&Abandon"))
      << "the copy runs the wizard";

  const std::string log = LogWithEnds(1);
  EXPECT_EQ(CountOf(log, "Begin debug session: INSTALL - "), 2)
      << "the copy opens its own session:\n"
      << log;
  EXPECT_EQ(CountOf(log, "End debug session: INSTALL - "), 1)
      << "the media start leaves no end line:\n"
      << log;
  EXPECT_NE(log.find("Dosarul de lucru: " + folder.substr(0, folder.size() - 1)), std::string::npos)
      << log;
  for (const char* name : {"INSTVORT.CFG", "INSTVORT.DAT", "UPGRADE.ZIP", "INSTVORT.JRN"})
    EXPECT_EQ(GetFileAttributesA((folder + name).c_str()), INVALID_FILE_ATTRIBUTES)
        << name << " goes with the run";
  for (const char* name : {"INSTVORT.CFG", "INSTVORT.DAT", "UPGRADE.ZIP"})
    EXPECT_EQ(ReadWholeFile(work + name), planted) << name << " is neither read nor replaced";
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
  EXPECT_TRUE(RunFolders().empty()) << "the half-made folder is gone";
  Sleep(500);
  EXPECT_EQ(CountOf(ReadWholeFile(kLog), "Begin debug session: "), 1) << "no copy was started";
}

TEST_F(MediaStart, ASecondSetupOfTheProductEndsWith1618AndCopiesNothing) {
  media.Write("UPGRADE.1", "PK\x05\x06 upgrade");
  // As a running setup makes it.
  HANDLE running = trust::CreateSetupMutex("Global\\RidOZIZUZ.Setup", true);
  ASSERT_NE(running, nullptr);
  EXPECT_EQ(RunProcess("\"" + media.File("INSTALL.EXE") + "\" /VERYSILENT"), 1618);
  CloseHandle(running);
  EXPECT_TRUE(RunFolders().empty());
}
