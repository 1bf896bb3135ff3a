// The end page: the restart request goes through its seam, never to Windows.
#include <gtest/gtest.h>

#include "pages_toolkit.h"
#include "state/install_state.h"
#include "support/page_harness.h"
#include "support/page_support.h"
#include "wizard/end_page.h"
#include "wizard/restart_request.h"

using testing_support::ClickCaption;
using testing_support::FindByName;
using testing_support::PageHarness;

namespace {

constexpr const char* kTitle = "Configurare sistem";

int restart_requests = 0;
bool restart_answer = false;
bool FakeRestart() {
  ++restart_requests;
  return restart_answer;
}

class PagesEnd : public ::testing::Test {
 protected:
  void SetUp() override { restart_requests = 0; }

  TInstallState state;
};

}  // namespace

TEST_F(PagesEnd, RestartKeepsThePageOpenAndNuAcumEndsTheWizard) {
  PageHarness harness;
  harness.On(kTitle, [](TForm& page) {
    auto* memo = dynamic_cast<TMemo*>(FindByName(page, "Memo1"));
    ASSERT_EQ(memo->Lines().Count(), 6);
    EXPECT_EQ(memo->Lines()[0], "Instalarea s-a terminat cu succes!");
    EXPECT_EQ(memo->Lines()[5], "Utilizator implicit:  \"Master\", cu parola de acces 1");
    testing_support::SavePageShot(page, "pages-end");

    for (bool answer : {false, true}) {
      restart_answer = answer;
      EXPECT_TRUE(ClickCaption(page, "&Restart!"));
      EXPECT_EQ(page.ModalResult(), mrNone) << "the restart does not close the page";
    }
    EXPECT_EQ(restart_requests, 2);
    EXPECT_TRUE(ClickCaption(page, "Nu &acum"));
  });
  EXPECT_EQ(harness.Run(CreateEndPage(state, &FakeRestart)), mrOk);
  EXPECT_TRUE(harness.Messages().empty()) << "a refused restart is not a message";
}

TEST_F(PagesEnd, BackLeadsToTheConfiguration) {
  PageHarness harness;
  harness.On(kTitle, [](TForm& page) { EXPECT_TRUE(ClickCaption(page, "&Inapoi")); });
  EXPECT_EQ(harness.Run(CreateEndPage(state, &FakeRestart)), mrRetry);
  EXPECT_EQ(restart_requests, 0);
}
