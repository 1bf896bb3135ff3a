// The elevated programs' own defences against what an ordinary user can leave on the machine:
// the library search restricted to the system folder, tried in a probe process of its own.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "support/process.h"
#include "support/temp_dir.h"

using namespace testing_support;

namespace {

// A library of the build under a name nothing else has, left where a user could leave it.
constexpr char kPlanted[] = "VORTPLNT.DLL";

class CurrentFolder {
 public:
  explicit CurrentFolder(const std::string& folder) {
    GetCurrentDirectoryA(MAX_PATH, previous_);
    SetCurrentDirectoryA(folder.c_str());
  }
  ~CurrentFolder() { SetCurrentDirectoryA(previous_); }
  CurrentFolder(const CurrentFolder&) = delete;
  CurrentFolder& operator=(const CurrentFolder&) = delete;

 private:
  char previous_[MAX_PATH] = "";
};

}  // namespace

TEST(LibrarySearch, NeitherTheCurrentFolderNorTheProgramsOwnOnceRestricted) {
  TempDir user_folder, elsewhere;
  ASSERT_TRUE(
      CopyFileA((BinDir() + "IDAPI32.DLL").c_str(), user_folder.File(kPlanted).c_str(), FALSE));
  const std::string probe = BinDir() + "library_search_probe.exe";
  const std::string copied_probe = user_folder.File("library_search_probe.exe");
  ASSERT_TRUE(CopyFileA(probe.c_str(), copied_probe.c_str(), FALSE));
  const auto run = [](const std::string& program, const std::string& arguments) {
    return RunProcess("\"" + program + "\" " + arguments);
  };
  {
    CurrentFolder current(user_folder.path().string());
    EXPECT_EQ(run(probe, std::string("open ") + kPlanted), 1)
        << "unrestricted, the current folder's library loads: the planted one would";
    EXPECT_EQ(run(probe, std::string("restrict ") + kPlanted), 0);
  }
  CurrentFolder current(elsewhere.path().string());
  EXPECT_EQ(run(copied_probe, std::string("open ") + kPlanted), 1)
      << "unrestricted, the program's own folder is searched first";
  EXPECT_EQ(run(copied_probe, std::string("restrict ") + kPlanted), 0);
  EXPECT_EQ(run(copied_probe, "restrict version.dll"), 1) << "the system folder's still load";
}
