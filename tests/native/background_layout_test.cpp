#include "app/background_layout.h"

#include <gtest/gtest.h>

#include <clocale>

TEST(BackgroundLayout, PanelCentredAndRaised) {
  const PanelPlace place = CentredPanel(1024, 768, 750, 499);
  EXPECT_EQ(place.left, 137);
  EXPECT_EQ(place.top, 119);
  // Smaller than the panel: toward zero, not down.
  EXPECT_EQ(CentredPanel(1024, 400, 750, 499).top, -64);
  EXPECT_EQ(CentredPanel(749, 768, 750, 499).left, 0);
  EXPECT_EQ(CentredPanel(640, 480, 750, 499).left, -55);
}

TEST(BackgroundLayout, VersionAlwaysWithTwoDecimalsAndAPoint) {
  EXPECT_EQ(VersionCaption(kProgramVersion), "@15% ver.3200852.10");
  EXPECT_EQ(FormatVersion(0.5), "0.50");
  EXPECT_EQ(FormatVersion(7), "7.00");
  EXPECT_EQ(FormatVersion(1.005), "1.00") << "the nearest double lies below 1.005";
  // The C library's number format does not reach it.
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
    EXPECT_EQ(FormatVersion(kProgramVersion), "3200852.10");
    std::setlocale(LC_NUMERIC, "C");
  }
}
