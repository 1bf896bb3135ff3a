// The toolkit runs for every page test, as it does in the program.
#pragma once

#include <gtest/gtest.h>

#include "ui/toolkit.h"

class ToolkitEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { StartToolkit(); }
  void TearDown() override { StopToolkit(); }
};

inline ::testing::Environment* const kToolkitEnvironment =
    ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);
