#include "state/test_stop.h"

#include <gtest/gtest.h>

TEST(TestStop, TakesAPointAndAKnownActionOnly) {
  const std::optional<TestStopOrder> fail = ParseTestStop("aliases:fail");
  ASSERT_TRUE(fail);
  EXPECT_EQ(fail->point, "aliases");
  EXPECT_EQ(fail->action, "fail");
  const std::optional<TestStopOrder> wait = ParseTestStop("tasks:wait");
  ASSERT_TRUE(wait);
  EXPECT_EQ(wait->point, "tasks");
  EXPECT_EQ(wait->action, "wait");
  for (const char* refused : {"", "aliases", ":fail", "aliases:", "aliases:stop", "aliases:FAIL"})
    EXPECT_FALSE(ParseTestStop(refused)) << refused;
  // Unset in the tests' environment: every point goes on.
  EXPECT_TRUE(TestStop("engine"));
}
