// The drive scan over a folder that the test set-up maps as drive P: of the Wine prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "upgrade/program_search.h"
#include "upgrade/system_probe_win32.h"

namespace {

// The system's drive types, but only for the test's own letter: the scan must not walk the
// machine's real disks.
class OneDriveProbe : public upgrade::SystemProbeWin32 {
 public:
  upgrade::DriveKind DriveType(const std::string& root) override {
    return root == "P:\\" ? SystemProbeWin32::DriveType(root) : upgrade::DriveKind::kNoRoot;
  }
};

void WriteFile(const std::string& path, size_t size) {
  CreateDirectoryA(path.substr(0, path.rfind('\\')).c_str(), nullptr);
  std::ofstream(path, std::ios::binary) << std::string(size, 'M');
}

}  // namespace

TEST(DriveScan, AMappedFolderIsAFixedDriveThatTheScanWalks) {
  OneDriveProbe probe;
  ASSERT_EQ(probe.DriveType("P:\\"), upgrade::DriveKind::kFixed);
  WriteFile("P:\\A\\VORTEL.EXE", 1000000);
  WriteFile("P:\\B\\VORTEL.EXE", 1000001);
  EXPECT_EQ(upgrade::FixedDriveRoots(probe), std::vector<std::string>{"P:\\"});
  EXPECT_EQ(upgrade::LocateProgramDirectory(probe), "P:\\B\\");

  // A program held open by a running copy of itself still marks its directory.
  HANDLE held =
      CreateFileA("P:\\B\\VORTEL.EXE", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(CreateFileA("P:\\B\\VORTEL.EXE", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        0, nullptr),
            INVALID_HANDLE_VALUE);
  EXPECT_TRUE(upgrade::IsProgramDirectory("P:\\B\\"));
  EXPECT_EQ(upgrade::SearchTree("P:\\"), "P:\\B\\");
  CloseHandle(held);
}
