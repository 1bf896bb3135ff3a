#include <gtest/gtest.h>

#include "state/install_state.h"
#include "support/temp_dir.h"

using testing_support::TempDir;

TEST(SetupConfig, DiskCountFollowsTheProfileIntegerRules) {
  TempDir dir;
  EXPECT_EQ(ReadDiskCount(dir.str()), 6) << "no file";
  dir.Write("instvort.cfg", "[General]\r\nNrDiscuri=3\r\n");
  EXPECT_EQ(ReadDiskCount(dir.str()), 3);
  dir.Write("instvort.cfg", "[General]\r\nNrDiscuri=0\r\n");
  EXPECT_EQ(ReadDiskCount(dir.str()), 0);
  dir.Write("instvort.cfg", "[General]\r\nNrDiscuri=-2\r\n");
  EXPECT_EQ(ReadDiskCount(dir.str()), 0);
  dir.Write("instvort.cfg", "[General]\r\nNrDiscuri=trei\r\n");
  EXPECT_EQ(ReadDiskCount(dir.str()), 0);
  dir.Write("instvort.cfg", "[General]\r\nNrDiscuri=4 dischete\r\n");
  EXPECT_EQ(ReadDiskCount(dir.str()), 4);
  dir.Write("instvort.cfg", "[Other]\r\nNrDiscuri=2\r\n");
  EXPECT_EQ(ReadDiskCount(dir.str()), 6) << "key in another section";
}

TEST(InstallStateRecord, StartsWithTheFixedValues) {
  const TInstallState s;
  EXPECT_EQ(s.CurrentStep, 0);
  EXPECT_EQ(s.InstallType, itNone);
  EXPECT_FALSE(s.UpgradeMode);
  EXPECT_EQ(s.ProgramDir, "C:\\WinVort");
  EXPECT_EQ(s.DataDirOffered, "C:\\WinVort");
  EXPECT_EQ(s.DiskCount, 1);
  EXPECT_STREQ(s.AliasNames[3], "VORTEL");
  EXPECT_STREQ(s.AliasPaths[0], "NEW\\DATA");
}
