// The installation-type page, shown modally and driven as a user would drive it.
#include <gtest/gtest.h>

#include "pages_toolkit.h"
#include "state/install_state.h"
#include "support/page_harness.h"
#include "support/page_support.h"
#include "ui/controls/m_radio_group.h"
#include "wizard/fresh/install_type_page.h"

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
  TInstallState state;
  PageHarness harness;
  bool checked = false;
  harness.On(kTitle, [&](TForm& page) {
    auto* group = dynamic_cast<TMRadioGroup*>(FindByName(page, "IType"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->ItemIndex(), -1);
    TControl* next = FindByName(page, "BNext");
    EXPECT_FALSE(next->Enabled());
    EXPECT_FALSE(ClickCaption(page, "&Continua"));
    testing_support::SavePageShot(page, "pages-install-type");

    EXPECT_TRUE(Click(Item(page, "SERVER")));
    EXPECT_TRUE(next->Enabled());
    EXPECT_TRUE(Click(Item(page, "CLIEN")));
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(state.InstallType, itNone) << "nothing is stored before Continua";
    checked = true;
    EXPECT_TRUE(ClickCaption(page, "&Continua"));
  });
  EXPECT_EQ(harness.Run(CreateInstallTypePage(state)), mrOk);
  EXPECT_TRUE(checked);
  EXPECT_EQ(state.InstallType, itClient);
}

TEST(PagesInstallType, AbandonStoresNothingAndAStoredChoiceShowsAgain) {
  TInstallState state;
  PageHarness harness;
  harness.On(kTitle, [&](TForm& page) {
    EXPECT_TRUE(Click(Item(page, "LOCAL")));
    EXPECT_TRUE(ClickCaption(page, "&Abandon"));
  });
  EXPECT_EQ(harness.Run(CreateInstallTypePage(state)), mrCancel);
  EXPECT_EQ(state.InstallType, itNone);

  state.InstallType = itServer;
  harness.On(kTitle, [&](TForm& page) {
    EXPECT_EQ(dynamic_cast<TMRadioGroup*>(FindByName(page, "IType"))->ItemIndex(), 1);
    EXPECT_TRUE(FindByName(page, "BNext")->Enabled());
    EXPECT_TRUE(Click(Item(page, "LOCAL")));
    EXPECT_TRUE(ClickCaption(page, "&Continua"));
  });
  EXPECT_EQ(harness.Run(CreateInstallTypePage(state)), mrOk);
  EXPECT_EQ(state.InstallType, itLocal);
}
