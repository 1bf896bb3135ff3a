#include "wizard/wizard_steps.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

// Walks the table from `start`, every page answering `result`, the question answering `yes`.
std::vector<int> Road(uint8_t start, TInstallType type, bool yes, int result = 1) {
  TInstallState state;
  state.CurrentStep = start;
  state.InstallType = type;
  std::vector<int> shown;
  while (state.CurrentStep != kStepFinished && shown.size() < 20) {
    shown.push_back(state.CurrentStep);
    state.CurrentStep = NextStep(result, state, [&] { return type != itClient || yes; });
  }
  return shown;
}

int After(uint8_t step, int result, TInstallType type = itLocal, bool yes = true,
          int* questions = nullptr) {
  TInstallState state;
  state.CurrentStep = step;
  state.InstallType = type;
  return NextStep(result, state, [&] {
    if (questions) ++*questions;
    return type != itClient || yes;
  });
}

}  // namespace

TEST(WizardSteps, BothRoadsWhenEveryPageGoesOn) {
  EXPECT_EQ(Road(0, itLocal, true), (std::vector<int>{0, 3, 4, 5, 6}));
  EXPECT_EQ(Road(8, itLocal, true), (std::vector<int>{8, 9, 10, 6}));
  EXPECT_EQ(Road(8, itClient, true), (std::vector<int>{8, 9, 10, 6}));
  EXPECT_EQ(Road(8, itClient, false), (std::vector<int>{8, 9, 6}));
}

TEST(WizardSteps, GoingBackAndAbandoning) {
  EXPECT_EQ(After(3, 4), 3) << "steps 2 and 1 have no page";
  EXPECT_EQ(After(4, 4), 3);
  EXPECT_EQ(After(5, 4), 4);
  EXPECT_EQ(After(6, 4), 5) << "the end page goes back to configuration on both roads";
  EXPECT_EQ(After(8, 4), 7) << "back from locating ends the wizard";
  EXPECT_EQ(After(9, 4), 8);
  for (int step : {0, 3, 4, 5, 6, 8, 9, 10}) EXPECT_EQ(After(step, 2), 7);
  EXPECT_THROW(After(0, 4), std::logic_error);
}

TEST(WizardSteps, OtherResultsShowTheSameStepAgain) {
  for (int r : {0, 3, 5, 6, 7, 8}) EXPECT_EQ(After(4, r), 4) << r;
}

TEST(WizardSteps, ServerUpgradeQuestionOnEnteringStepNine) {
  TInstallState local;
  local.CurrentStep = 8;
  local.InstallType = itLocal;
  EXPECT_EQ(NextStep(1, local, [] { return true; }), 9);
  EXPECT_EQ(local.InstallType, itServer) << "an upgraded LOCAL installation becomes SERVER";

  int questions = 0;
  EXPECT_EQ(After(10, 4, itClient, false, &questions), 9) << "back from the database page";
  EXPECT_EQ(questions, 1) << "asks again";
  EXPECT_EQ(After(10, 4, itClient, true), 9);
  questions = 0;
  EXPECT_EQ(After(5, 1, itClient, false, &questions), 6);
  EXPECT_EQ(questions, 0) << "asked only at step 9";
}

TEST(WizardSteps, PagePlacement) {
  EXPECT_EQ(PlacePage(1024, 768, 643, 141).top, 552);
  EXPECT_EQ(PlacePage(1024, 768, 643, 141).left, 190);
  EXPECT_EQ(PlacePage(800, 100, 643, 110).top, -8) << "a page taller than the screen";
}
