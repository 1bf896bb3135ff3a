// The CONFIG.SYS rewrite, on lines and on a file.
#include <gtest/gtest.h>

#include "config/config_sys_rewrite.h"
#include "config/config_sys_update.h"
#include "os/os.h"
#include "os/text_lines.h"
#include "support/temp_dir.h"

using config::RewriteConfigSys;
using Lines = std::vector<std::string>;

TEST(ConfigSysRewrite, OnlyRealSettingsAreReplaced) {
  EXPECT_TRUE(config::IsSettingLine("files=30", "FILES"));
  EXPECT_TRUE(config::IsSettingLine("  Files = 30 ; old", "FILES"));
  EXPECT_TRUE(config::IsSettingLine("\tFILESHIGH=40", "FILESHIGH"));
  EXPECT_FALSE(config::IsSettingLine("FILESHIGH=40", "FILES")) << "a longer keyword";
  EXPECT_FALSE(config::IsSettingLine("REM FILES=20", "FILES"));
  EXPECT_FALSE(config::IsSettingLine("DEVICE=C:\\FILES\\X.SYS", "FILES"));
  EXPECT_FALSE(config::IsSettingLine("FILES", "FILES")) << "no value";
  EXPECT_FALSE(config::IsSettingLine("FILESX=1", "FILES"));

  EXPECT_EQ(RewriteConfigSys({"DEVICE=HIMEM.SYS", "files=30"}),
            (Lines{"DEVICE=HIMEM.SYS", "FILES=255"}));
  EXPECT_EQ(RewriteConfigSys({"FILESHIGH=40"}), (Lines{"FILESHIGH=255"}))
      << "a FILESHIGH setting counts; no FILES line is added";
  EXPECT_EQ(RewriteConfigSys({"FILES=10", "BUFFERS=20", "FILES=40"}),
            (Lines{"FILES=255", "BUFFERS=20", "FILES=255"}));
  EXPECT_EQ(RewriteConfigSys({"REM FILES=20 was too few", "DEVICE=C:\\FILES\\X.SYS"}),
            (Lines{"REM FILES=20 was too few", "DEVICE=C:\\FILES\\X.SYS", "FILES=255"}));
  EXPECT_EQ(RewriteConfigSys({}), (Lines{"FILES=255"}));
  EXPECT_EQ(RewriteConfigSys({"", "BUFFERS=20", ""}), (Lines{"", "BUFFERS=20", "", "FILES=255"}))
      << "empty lines stay";
}

TEST(TextLines, SplitKeepsEveryLineAndJoinEndsEachWithCrLf) {
  EXPECT_EQ(os::SplitLines("A\r\nB\r\n"), (Lines{"A", "B"}));
  EXPECT_EQ(os::SplitLines("A\nB"), (Lines{"A", "B"})) << "LF ends and a last line without";
  EXPECT_EQ(os::SplitLines("A\r\n\r\nB\r\n"), (Lines{"A", "", "B"}));
  EXPECT_EQ(os::SplitLines("A\r\nB\r\n\x1a"), (Lines{"A", "B"})) << "old end-of-file mark";
  EXPECT_EQ(os::SplitLines("A\rB\r\n"), (Lines{"A\rB"})) << "a lone CR is text";
  EXPECT_EQ(os::SplitLines(""), Lines{});
  EXPECT_EQ(os::JoinLines({"A", "", "B"}), "A\r\n\r\nB\r\n");
}

TEST(ConfigSysFile, IsCreatedOrRewrittenInPlace) {
  testing_support::TempDir dir;
  const std::string path = dir.File("CONFIG.SYS");
  EXPECT_EQ(config::UpdateConfigSys(path), config::ConfigSysOutcome::kUpdated);
  EXPECT_EQ(dir.Read("CONFIG.SYS"), "FILES=255\r\n") << "no file before";

  dir.Write("CONFIG.SYS", "DEVICE=HIMEM.SYS\nfiles=30\nREM FILES too\n");
  EXPECT_EQ(config::UpdateConfigSys(path), config::ConfigSysOutcome::kUpdated);
  EXPECT_EQ(dir.Read("CONFIG.SYS"), "DEVICE=HIMEM.SYS\r\nFILES=255\r\nREM FILES too\r\n");
  EXPECT_EQ(os::ListDirectory(dir.str()).size(), 1u) << "no scratch file left behind";

  dir.Write("CONFIG.SYS", "FILES=20\r\n");
  ASSERT_TRUE(os::SetAttributes(path, os::kAttrReadOnly));
  EXPECT_EQ(config::UpdateConfigSys(path), config::ConfigSysOutcome::kUpdated);
  EXPECT_TRUE(*os::GetAttributes(path) & os::kAttrReadOnly) << "read-only comes back";
  EXPECT_EQ(config::UpdateConfigSys(path), config::ConfigSysOutcome::kUnchanged)
      << "a file that holds the settings already is not written again";
  os::SetAttributes(path, os::kAttrNormal);
}

TEST(ConfigSysFile, WhatCannotBeReadOrWrittenIsLeftAlone) {
  testing_support::TempDir dir;
  ASSERT_TRUE(os::MakeDirectory(dir.File("CONFIG.SYS")));
  EXPECT_EQ(config::UpdateConfigSys(dir.File("CONFIG.SYS")), config::ConfigSysOutcome::kUnreadable);
  EXPECT_TRUE(os::DirectoryExists(dir.File("CONFIG.SYS")));

  EXPECT_EQ(config::UpdateConfigSys(dir.File("no such folder/CONFIG.SYS")),
            config::ConfigSysOutcome::kUnwritable);
}
