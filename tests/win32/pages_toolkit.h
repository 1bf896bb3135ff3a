// The toolkit runs for every page test, as it does in the program.
#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "support/page_support.h"

class ToolkitEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { toolkit_.emplace(); }
  void TearDown() override { toolkit_.reset(); }

 private:
  std::optional<testing_support::ToolkitScope> toolkit_;
};

inline ::testing::Environment* const kToolkitEnvironment =
    ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);
