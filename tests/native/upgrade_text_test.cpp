// Where the upgrade library is loaded from and how its alias buffer is filled and read.
#include <gtest/gtest.h>

#include <cstring>

#include "upgrade/alias_buffer.h"
#include "upgrade/library_path.h"

TEST(UpgradeLibraryPath, ExactlyOneBackslashBeforeTheName) {
  EXPECT_EQ(upgrade::UpgradeLibraryPath("C:\\TEMP\\"), "C:\\TEMP\\UPGRADE.DLL");
  EXPECT_EQ(upgrade::UpgradeLibraryPath("C:\\TEMP"), "C:\\TEMP\\UPGRADE.DLL");
}

TEST(AliasBuffer, HoldsUpTo255CharactersAndReadsToTheZero) {
  const std::string longest(255, 'A');
  upgrade::AliasBuffer full(longest);
  EXPECT_EQ(full.Text(), longest);
  EXPECT_EQ(full.data()[255], '\0');

  EXPECT_EQ(upgrade::AliasBuffer(std::string(300, 'B')).Text(), std::string(255, 'B'));

  upgrade::AliasBuffer answer("VORTEL");
  std::strcpy(answer.data(), "D:\\APP\\DATA\\");
  EXPECT_EQ(answer.Text(), "D:\\APP\\DATA\\") << "the library's answer replaces the alias";

  upgrade::AliasBuffer unterminated("");
  std::memset(unterminated.data(), 'C', upgrade::AliasBuffer::kSize);
  EXPECT_EQ(unterminated.Text(), std::string(256, 'C')) << "never read past the buffer";
}
