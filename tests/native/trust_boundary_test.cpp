// The trust boundary's decisions about folders: what lies inside a folder, whose folders are
// trusted, the rights a new folder gets, and links found without being followed.
#include "os/trust_boundary.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

TEST(FolderTrust, APathIsInsideAFolderAsWindowsNamesItAndNeverByADetour) {
  const std::string app = "C:\\Program Files\\Vortel App";
  EXPECT_TRUE(trust::PathInside("c:\\program files\\VORTEL APP\\Vortel.exe", app));
  EXPECT_TRUE(trust::PathInside("C:/Program Files/Vortel App//DATA\\x.db", app + "\\"));
  EXPECT_TRUE(trust::PathInside(app, app));
  EXPECT_TRUE(trust::PathInside("\\\\server\\share\\Vortel\\x", "\\\\SERVER\\share\\vortel"));
  EXPECT_FALSE(trust::PathInside("C:\\Program Files\\Vortel Apps\\x", app));
  EXPECT_FALSE(trust::PathInside(app + "\\..\\..\\Windows\\system.ini", app));
  EXPECT_FALSE(trust::PathInside(app + "\\.\\x", app));
  EXPECT_FALSE(trust::PathInside("\\\\?\\" + app + "\\x", "\\\\?\\" + app));
  // A root holds the whole machine: nothing counts as inside it.
  EXPECT_FALSE(trust::PathInside("C:\\Windows\\system.ini", "C:\\"));
  EXPECT_FALSE(trust::PathInside("\\\\server\\share\\x", "\\\\server\\share\\"));
  EXPECT_FALSE(trust::PathInside("C:\\x", ""));
}

TEST(FolderTrust, AFolderIsTrustedWhenAnAdministratorOwnsItAndNoLinkLeadsThere) {
  const std::string me = "S-1-5-21-1-2-3-1000";
  for (const char* owner : {"S-1-5-32-544", "S-1-5-18",
                            "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464"})
    EXPECT_TRUE(trust::TrustedOwner(owner, me)) << owner;
  EXPECT_TRUE(trust::TrustedOwner(me, me)) << "the administrator who runs the installer";
  for (const char* owner : {"S-1-5-7", "S-1-5-32-545", "S-1-5-21-1-2-3-1001", ""})
    EXPECT_FALSE(trust::TrustedOwner(owner, me)) << owner;
  EXPECT_FALSE(trust::TrustedOwner("", ""));

  const std::string dir = "C:\\WinVort";
  EXPECT_EQ(trust::FolderRefusal(dir, {}, me), "") << "a folder still to be made";
  EXPECT_EQ(trust::FolderRefusal(dir, {"", true, "S-1-5-32-544"}, me), "");
  const std::string link = trust::FolderRefusal(dir + "\\App", {dir, true, "S-1-5-32-544"}, me);
  EXPECT_EQ(link.find("Directorul\r" + dir + "\reste o legatura"), 0u) << link;
  const std::string foreign = trust::FolderRefusal(dir, {"", true, "S-1-5-7"}, me);
  EXPECT_EQ(foreign,
            "Directorul\rC:\\WinVort\rnu apartine administratorilor (proprietar S-1-5-7).");
  EXPECT_NE(trust::FolderRefusal(dir, {"", true, ""}, me), "") << "an owner that cannot be read";
}

TEST(FolderTrust, NewFoldersGetTheRightsOfTheirRoleUnlessTheInheritedOnesAreKept) {
  using trust::FolderRole;
  EXPECT_EQ(trust::NewFolderSddl(FolderRole::kProgram, false, false), trust::kProgramFolderSddl);
  EXPECT_EQ(trust::NewFolderSddl(FolderRole::kProgram, false, true), "") << "Program Files's own";
  EXPECT_EQ(trust::NewFolderSddl(FolderRole::kData, false, true), trust::kDataFolderSddl);
  EXPECT_EQ(trust::NewFolderSddl(FolderRole::kProgram, true, false), "");
  EXPECT_EQ(trust::NewFolderSddl(FolderRole::kData, true, false), "");
  EXPECT_EQ(trust::RecordsFolderIn("C:\\Program Files (x86)\\"),
            "C:\\Program Files (x86)\\RidOZIZUZ Setup");
}

TEST(FolderTrust, ALinkOnThePathIsFoundAndRemovedItselfNeverFollowed) {
  testing_support::TempDir dir;
  dir.Write("elsewhere/keep.txt", "the user's own");
  std::error_code error;
  std::filesystem::create_directory_symlink(dir.path() / "elsewhere", dir.path() / "DATA", error);
  if (error || !std::filesystem::is_symlink(dir.path() / "DATA"))
    GTEST_SKIP() << "no directory links here";
  const std::string data = dir.File("DATA");
  EXPECT_EQ(trust::LinkOnPath(data + "\\keep.txt"), data);
  EXPECT_EQ(trust::LinkOnPath(dir.File("elsewhere") + "\\keep.txt"), "");
  EXPECT_EQ(trust::ReadFolderFacts(data).link, data);
  EXPECT_EQ(trust::ExistingFolderRefusal(dir.File("elsewhere")), "") << "the test's own folder";

  EXPECT_FALSE(trust::RemoveEntry(data + "\\keep.txt")) << "reached through the link";
  const bool removed = trust::RemoveEntry(data);
#ifndef _WIN32
  // Wine opens what a link leads to, never the link itself: there the link stays.
  EXPECT_TRUE(removed);
  EXPECT_FALSE(dir.Exists("DATA"));
#endif
  EXPECT_EQ(dir.Read("elsewhere/keep.txt"), "the user's own") << removed;
}
