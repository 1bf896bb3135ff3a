#include "app/hand_off.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

using testing_support::TempDir;

TEST(HandOffPaths, MediaAndWorkingDirectories) {
  EXPECT_EQ(MediaDirFrom("A:\\INSTALL.EXE", "C:\\X\\INSTALL.EXE"), "A:\\");
  EXPECT_EQ(MediaDirFrom("D:\\KIT\\DISK1\\INSTALL.EXE", ""), "D:\\KIT\\DISK1\\");
  EXPECT_EQ(MediaDirFrom("\\\\srv\\kit\\INSTALL.EXE", ""), "\\\\srv\\kit\\");
  EXPECT_EQ(MediaDirFrom("INSTALL", "A:\\INSTALL.EXE"), "A:\\") << "bare name";
  EXPECT_EQ(MediaDirFrom(".\\INSTALL.EXE", "E:\\KIT\\INSTALL.EXE"), "E:\\KIT\\") << "relative";
  EXPECT_EQ(HandOffPath("C:\\TEMP\\"), "C:\\TEMP\\INSTVORT.DAT");
  EXPECT_EQ(HandOffPath("C:\\TEMP"), "C:\\TEMP\\INSTVORT.DAT");
}

TEST(HandOffPaths, RelaunchQuotesTheProgramAndPassesTheLogSwitch) {
  EXPECT_EQ(RelaunchCommandLine("C:\\Documents and Settings\\ion\\Temp\\", false),
            "\"C:\\Documents and Settings\\ion\\Temp\\\\INSTVORT.EXE\"");
  EXPECT_EQ(RelaunchCommandLine("C:\\TEMP\\", true),
            "\"C:\\TEMP\\\\INSTVORT.EXE\" -log -log -log -log");
}

TEST(HandOffFile, FirstLineOrNothing) {
  TempDir dir;
  EXPECT_FALSE(ReadHandOffFile(dir.File("INSTVORT.DAT")).has_value());
  dir.Write("INSTVORT.DAT", "");
  EXPECT_EQ(ReadHandOffFile(dir.File("INSTVORT.DAT")), "");
  dir.Write("INSTVORT.DAT", "A:\\\r\nrest\r\n");
  EXPECT_EQ(ReadHandOffFile(dir.File("INSTVORT.DAT")), "A:\\");
}

TEST(WorkingCopy, CopiesTheThreeFilesAndWritesTheHandOff) {
  TempDir media, work;
  std::string big(100000, 'x');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  media.Write("INSTALL.EXE", big);
  media.Write("UPGRADE.1", "PK");
  media.Write("INSTALL.CFG", "[General]\r\nNrDiscuri=3\r\n");
  const HandOffOutcome outcome = PrepareWorkingCopy(media.str(), work.str());
  ASSERT_TRUE(outcome.ok) << outcome.failed_file;
  EXPECT_EQ(work.Read("INSTVORT.EXE"), big);
  EXPECT_EQ(work.Read("UPGRADE.ZIP"), "PK");
  EXPECT_EQ(work.Read("INSTVORT.CFG"), media.Read("INSTALL.CFG"));
  EXPECT_EQ(work.Read("INSTVORT.DAT"), media.str() + "\r\n");
}

TEST(WorkingCopy, ANameThatExistsIsNamedAndNeitherTakenNorReplaced) {
  TempDir media, work;
  media.Write("INSTALL.EXE", "program");
  media.Write("UPGRADE.1", "PK");
  media.Write("INSTALL.CFG", "[General]\r\nNrDiscuri=3\r\n");
  work.Write("INSTVORT.CFG", "[General]\r\nsomebody else's\r\n");
  const HandOffOutcome outcome = PrepareWorkingCopy(media.str(), work.str());
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.failed_file, work.str() + "INSTVORT.CFG");
  EXPECT_EQ(work.Read("INSTVORT.CFG"), "[General]\r\nsomebody else's\r\n");
  EXPECT_FALSE(work.Exists("INSTVORT.DAT"));
}

TEST(WorkingCopy, MissingMediaFileIsNamedAndNothingHalfCopiedStays) {
  TempDir media, work;
  media.Write("INSTALL.EXE", "program");
  media.Write("INSTALL.CFG", "");
  const HandOffOutcome outcome = PrepareWorkingCopy(media.str(), work.str());
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.failed_file, media.str() + "UPGRADE.1");
  EXPECT_FALSE(work.Exists("UPGRADE.ZIP"));
  EXPECT_FALSE(work.Exists("INSTVORT.DAT"));
}

TEST(WorkingCopy, UnwritableWorkingDirectoryIsNamed) {
  TempDir media;
  media.Write("INSTALL.EXE", "program");
  const std::string work = media.str() + "missing" + media.str().substr(media.str().size() - 1);
  const HandOffOutcome outcome = PrepareWorkingCopy(media.str(), work);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.failed_file, work + "INSTVORT.EXE");
}
