// The installation-type page, shown modally and driven as a user would drive it.
#include <gtest/gtest.h>

#include "app/install_state.h"
#include "pages/install_type_page.h"
#include "pages_toolkit.h"
#include "support/page_harness.h"
#include "ui/m_radio_group.h"

using testing_support::Click;
using testing_support::ClickCaption;
using testing_support::FindByName;
using testing_support::FindControlIf;
using testing_support::PageHarness;

namespace {

constexpr const char* kTitle = "Alegeti tipul instalarii!";

TControl* Item(TForm& page, const std::string& word) {
  return FindControlIf(page, [&](TControl& c) {
    return dynamic_cast<TMGroupButton*>(&c) && c.Caption().find(word) != std::string::npos;
  });
}

}  // namespace

TEST(PagesInstallType, ContinueWaitsForAChoiceAndTheLastChoiceCounts) {
  InstallState = TInstallState{};
  InstallState.CurrentStep = 9;
  PageHarness harness;
  bool checked = false;
  harness.On(kTitle, [&](TForm& page) {
    EXPECT_EQ(InstallState.CurrentStep, 0);
    auto* group = dynamic_cast<TMRadioGroup*>(FindByName(page, "IType"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->ItemIndex(), -1);
    TControl* next = FindByName(page, "BNext");
    EXPECT_FALSE(next->Enabled());
    EXPECT_FALSE(ClickCaption(page, "&Continua"));
    testing_support::SaveShot(page, "pages-install-type");

    EXPECT_TRUE(Click(Item(page, "SERVER")));
    EXPECT_TRUE(next->Enabled());
    EXPECT_TRUE(Click(Item(page, "CLIEN")));
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(InstallState.InstallType, itNone) << "nothing is stored before Continua";
    checked = true;
    EXPECT_TRUE(ClickCaption(page, "&Continua"));
  });
  EXPECT_EQ(harness.Run(CreateInstallTypePage()), mrOk);
  EXPECT_TRUE(checked);
  EXPECT_EQ(InstallState.InstallType, itClient);
}

TEST(PagesInstallType, AbandonStoresNothingAndAStoredChoiceShowsAgain) {
  InstallState = TInstallState{};
  PageHarness harness;
  harness.On(kTitle, [&](TForm& page) {
    EXPECT_TRUE(Click(Item(page, "LOCAL")));
    EXPECT_TRUE(ClickCaption(page, "&Abandon"));
  });
  EXPECT_EQ(harness.Run(CreateInstallTypePage()), mrCancel);
  EXPECT_EQ(InstallState.InstallType, itNone);

  InstallState.InstallType = itServer;
  harness.On(kTitle, [&](TForm& page) {
    EXPECT_EQ(dynamic_cast<TMRadioGroup*>(FindByName(page, "IType"))->ItemIndex(), 1);
    EXPECT_TRUE(FindByName(page, "BNext")->Enabled());
    EXPECT_TRUE(Click(Item(page, "LOCAL")));
    EXPECT_TRUE(ClickCaption(page, "&Continua"));
  });
  EXPECT_EQ(harness.Run(CreateInstallTypePage()), mrOk);
  EXPECT_EQ(InstallState.InstallType, itLocal);
}
