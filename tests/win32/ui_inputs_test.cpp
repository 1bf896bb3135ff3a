// The toolkit's input controls on real windows: check box states, the radio group's veto and
// keys, the edit's alignment and label highlight, the combo box's completion.
#include <gtest/gtest.h>

#include <memory>

#include "support/form_driver.h"
#include "support/screen_pixels.h"
#include "ui/controls/active_check_box.h"
#include "ui/controls/active_combo.h"
#include "ui/controls/active_edit.h"
#include "ui/controls/active_label.h"
#include "ui/controls/m_radio_group.h"

namespace {

using testing_support::Grab;
using testing_support::Place;
using testing_support::Pump;

std::unique_ptr<TForm> NewForm() {
  std::unique_ptr<TForm> f(CreateForm<TForm>(nullptr));
  f->SetBounds(60, 60, 420, 260);
  return f;
}

TEST(UiCheckBox, ClicksCycleThroughTheStates) {
  auto f = NewForm();
  auto* check = Place<TActiveCheckBox>(*f, 10, 10, 150, 18);
  check->SetCaption("&Bifat");
  int clicks = 0;
  check->OnClick = [&](TObject*) { ++clicks; };
  f->Show();
  const auto click = [&] { SendMessageA(check->Handle(), BM_CLICK, 0, 0); };
  click();
  EXPECT_EQ(check->State(), cbChecked);
  click();
  EXPECT_EQ(check->State(), cbUnchecked);

  check->AllowGrayed = true;
  click();
  EXPECT_EQ(check->State(), cbGrayed);
  click();
  EXPECT_EQ(check->State(), cbChecked);
  EXPECT_TRUE(check->Checked());
  click();
  EXPECT_EQ(check->State(), cbUnchecked);
  EXPECT_EQ(clicks, 5);

  // The accelerator focuses and toggles it; the space bar toggles it.
  testing_support::PressAlt('b');
  Pump();
  EXPECT_TRUE(check->Focused());
  EXPECT_EQ(check->State(), cbGrayed);
  f->Hide();
}

TEST(UiCheckBox, FocusedCaptionIsRedAndTheBoxFollowsTheState) {
  auto f = NewForm();
  f->SetColor(clWhite);
  auto* check = Place<TActiveCheckBox>(*f, 10, 10, 150, 18);
  check->SetCaption("Bifat");
  check->SetColor(clWhite);
  auto* other = Place<TActiveCheckBox>(*f, 10, 40, 150, 18);
  other->SetCaption("Altul");
  f->Show();
  other->SetFocus();
  const TRect caption{20, 0, 150, 18};
  TBitmap shot = Grab(*check);
  EXPECT_EQ(testing_support::ColumnsOf(shot, clRed, caption).count, 0);
  const TBitmap unchecked = shot;
  check->SetFocus();
  shot = Grab(*check);
  EXPECT_GT(testing_support::ColumnsOf(shot, clRed, caption).count, 10);
  check->SetChecked(true);
  const TBitmap checked = Grab(*check);
  int differ = 0;
  for (int y = 0; y < 18; ++y)
    for (int x = 0; x < 16; ++x) differ += checked.Pixel(x, y) != unchecked.Pixel(x, y);
  EXPECT_GT(differ, 5);
  f->Hide();
}

class RadioGroupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = NewForm();
    group = Place<TMRadioGroup>(*form, 10, 10, 300, 90);
    group->Items().Assign({"&LOCAL", "&SERVER", "CLIEN&T"});
    group->SetItemIndex(0);
    group->OnModify = [this](TObject*, bool& can) {
      ++asked;
      can = allow;
    };
    group->OnClick = [this](TObject*) { ++changes; };
    form->Show();
  }
  void TearDown() override { form->Hide(); }
  std::unique_ptr<TForm> form;
  TMRadioGroup* group = nullptr;
  bool allow = true;
  int asked = 0, changes = 0;
};

TEST_F(RadioGroupTest, ItemsAreLaidOutInColumnsAndIndexesClamped) {
  ASSERT_EQ(group->ButtonCount(), 3);
  EXPECT_EQ(group->Buttons(2)->Top(), 60);
  EXPECT_EQ(group->Buttons(2)->Width(), 300);
  group->SetColumns(2);
  EXPECT_EQ(group->Buttons(2)->Left(), 150);
  EXPECT_EQ(group->Buttons(2)->Top(), 0);
  EXPECT_EQ(group->Buttons(1)->Height(), 45);
  group->SetItemIndex(7);
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_TRUE(group->Buttons(2)->Checked());
  EXPECT_FALSE(group->Buttons(0)->Checked());
  group->SetItemIndex(-5);
  EXPECT_EQ(group->ItemIndex(), -1);
  EXPECT_EQ(asked, 0);  // changes made by the program are not asked about
}

TEST_F(RadioGroupTest, OnModifyCanRefuseAClick) {
  allow = false;
  EXPECT_TRUE(testing_support::ClickCaption(*form, "SERVER"));
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_TRUE(group->Buttons(0)->Checked());
  EXPECT_FALSE(group->Buttons(1)->Checked());
  EXPECT_EQ(changes, 0);

  allow = true;
  EXPECT_TRUE(testing_support::ClickCaption(*form, "SERVER"));
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_TRUE(group->Buttons(1)->Checked());
  EXPECT_FALSE(group->Buttons(0)->Checked());
  EXPECT_EQ(changes, 1);
  // The accelerator is a user's choice too.
  allow = false;
  testing_support::PressAlt('t');
  Pump();
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(asked, 3);
}

TEST_F(RadioGroupTest, KeysMoveTheSelectionAndTheFocus) {
  group->Buttons(0)->SetFocus();
  const auto press = [](WORD key) {
    testing_support::PressKey(key);
    Pump(40);
  };
  press(VK_END);
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_TRUE(group->Buttons(2)->Focused());
  press(VK_NEXT);  // no next item
  EXPECT_EQ(group->ItemIndex(), 2);
  press(VK_PRIOR);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_TRUE(group->Buttons(1)->Focused());
  press(VK_HOME);
  EXPECT_EQ(group->ItemIndex(), 0);
  allow = false;
  press(VK_END);
  EXPECT_EQ(group->ItemIndex(), 0);
  // Disabling the group disables its buttons.
  group->SetEnabled(false);
  EXPECT_FALSE(group->Buttons(1)->Enabled());
}

TEST(UiActiveEdit, RightAlignedTextIsFlushRightOnlyWithoutTheFocus) {
  auto f = NewForm();
  f->SetColor(clWhite);
  auto* edit = Place<TActiveEdit>(*f, 10, 10, 200, 21);
  edit->Font().SetColor(clBlack);
  edit->SetColor(clWhite);
  edit->SetText("123");
  edit->SetAlignment(taRightJustify);
  auto* other = Place<TActiveEdit>(*f, 10, 50, 200, 21);
  f->Show();
  other->SetFocus();
  const TRect all{0, 0, edit->ClientWidth(), edit->ClientHeight()};
  const auto unfocused = testing_support::ColumnsOf(Grab(*edit), clBlack, all);
  ASSERT_GT(unfocused.count, 0);
  EXPECT_GT(unfocused.first, all.Right / 2);
  EXPECT_GE(unfocused.last, all.Right - 8);

  edit->SetFocus();
  SendMessageA(edit->Handle(), EM_SETSEL, 3, 3);
  const auto focused = testing_support::ColumnsOf(Grab(*edit), clBlack, all);
  ASSERT_GT(focused.count, 0);
  EXPECT_LT(focused.last, all.Right / 2);
  EXPECT_EQ(edit->Alignment(), taRightJustify);
  // Typing works as in a plain edit, and leaving shows the new text on the right.
  SendMessageA(edit->Handle(), WM_CHAR, '4', 1);
  EXPECT_EQ(edit->Text(), "1234");
  other->SetFocus();
  const auto after = testing_support::ColumnsOf(Grab(*edit), clBlack, all);
  EXPECT_GE(after.last, all.Right - 8);
  EXPECT_LT(after.first, unfocused.first);  // one digit more
  f->Hide();
}

TEST(UiActiveEdit, AssociatedLabelLightsWhileTheFieldHasTheFocus) {
  auto f = NewForm();
  auto* label = Place<TActiveLabel>(*f, 10, 12, 60, 16);
  label->SetCaption("&Program:");
  label->Font().SetColor(clNavy);
  label->Font().SetStyle(fsBold);
  auto* edit = Place<TActiveEdit>(*f, 80, 10, 200, 21);
  edit->SetAssocLabel(label);
  edit->LabelColor = clRed;
  auto* other = Place<TActiveEdit>(*f, 80, 50, 200, 21);
  EXPECT_EQ(label->FocusControl(), edit);
  f->Show();
  other->SetFocus();
  Pump();
  testing_support::PressAlt('p');
  Pump();
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(label->Font().Color(), clRed);
  other->SetFocus();
  Pump();
  EXPECT_EQ(label->Font().Color(), clNavy);
  EXPECT_EQ(label->Font().Style(), fsBold);
  // Clicking the label focuses its field; a freed label is forgotten.
  testing_support::Click(label);
  EXPECT_TRUE(edit->Focused());
  delete label;
  EXPECT_EQ(edit->AssocLabel(), nullptr);
  other->SetFocus();
  f->Hide();
}

TEST(UiActiveCombo, TypingCompletesFromTheListAndBackspaceDoesNot) {
  auto f = NewForm();
  auto* combo = Place<TActiveCombo>(*f, 10, 10, 200, 21);
  combo->Items().Assign({"LOCAL", "SERVER", "SERVICE", "CLIENT"});
  combo->AutoComplete = true;
  f->Show();
  combo->SetFocus();
  HWND edit = FindWindowExA(combo->Handle(), nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  SendMessageA(edit, WM_CHAR, 's', 1);
  SendMessageA(edit, WM_CHAR, 'e', 1);
  EXPECT_EQ(combo->Text(), "SERVER");
  DWORD start = 0, end = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 2u);
  EXPECT_EQ(end, 6u);
  EXPECT_EQ(combo->ItemIndex(), 1);

  SendMessageA(edit, WM_CHAR, VK_BACK, 1);  // removes the filled-in rest only
  EXPECT_EQ(combo->Text(), "SE");           // the item's spelling stays
  SendMessageA(edit, WM_CHAR, 'x', 1);
  EXPECT_EQ(combo->Text(), "SEx");  // nothing begins with it
  f->Hide();
}

}  // namespace
