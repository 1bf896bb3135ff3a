#include "app/command_line.h"

#include <gtest/gtest.h>

TEST(LogSwitch, NeedsTwoParametersAndTheExactSpelling) {
  EXPECT_FALSE(LogRequested({}));
  EXPECT_FALSE(LogRequested({"-log"}));
  EXPECT_TRUE(LogRequested({"-log", "x"}));
  EXPECT_TRUE(LogRequested({"-log", "-log", "-log", "-log"}));
  EXPECT_FALSE(LogRequested({"-LOG", "-LOG"}));
  EXPECT_FALSE(LogRequested({"x", "-log"}));
}
