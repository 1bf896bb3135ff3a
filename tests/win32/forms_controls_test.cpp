// Controls on real windows: ownership, editing, lists, check marks, layout, folder choosing.
#include <gtest/gtest.h>

#include <algorithm>

#include "forms/forms.h"
#include "support/form_driver.h"
#include "support/temp_dir.h"

namespace {

using testing_support::Place;

std::unique_ptr<TForm> NewForm() {
  std::unique_ptr<TForm> f(CreateForm<TForm>(nullptr));
  f->SetBounds(50, 50, 400, 300);
  f->HandleNeeded();
  return f;
}

TEST(FormsComponents, OwnerFreesItsComponentsAndNamesAreUnique) {
  struct TCounted : TComponent {
    TCounted(TComponent* o, int& n) : TComponent(o), count(n) {}
    ~TCounted() override { ++count; }
    int& count;
  };
  int freed = 0;
  auto owner = std::make_unique<TComponent>(nullptr);
  auto* a = new TCounted(owner.get(), freed);
  a->SetName("BNext");
  auto* b = new TCounted(owner.get(), freed);
  EXPECT_THROW(b->SetName("bnext"), EComponentError);
  EXPECT_THROW(b->SetName("Btn O K"), EComponentError);
  b->SetName("BBack");
  EXPECT_EQ(owner->FindComponent("BNEXT"), a);
  delete b;  // leaves its owner's list
  EXPECT_EQ(owner->ComponentCount(), 1);
  owner.reset();
  EXPECT_EQ(freed, 2);
}

TEST(FormsComponents, FreedControlsAreForgottenByThoseReferringToThem) {
  auto f = NewForm();
  auto* label = Place<TLabel>(*f, 10, 10, 50, 16);
  label->SetCaption("&Program:");
  auto* edit = Place<TEdit>(*f, 70, 10, 100, 21);
  label->SetFocusControl(edit);
  delete edit;
  EXPECT_EQ(label->FocusControl(), nullptr);
  EXPECT_FALSE(label->DialogChar('p'));
  EXPECT_EQ(f->ControlCount(), 1);
}

TEST(FormsEdits, TypingChangesTheTextAndFiresChange) {
  auto f = NewForm();
  f->Show();
  auto* edit = Place<TEdit>(*f, 10, 10, 150, 21);
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  testing_support::TypeText(edit, "D:\\Date");
  EXPECT_EQ(edit->Text(), "D:\\Date");
  EXPECT_EQ(changes, 7);
  edit->SetMaxLength(3);
  testing_support::TypeText(edit, "ABCDEF");
  EXPECT_EQ(edit->Text(), "ABC");
  // A new window style keeps the text.
  edit->SetAlignment(taRightJustify);
  EXPECT_EQ(edit->Text(), "ABC");
  f->Hide();
}

TEST(FormsEdits, MemoLinesFollowTheTextBothWays) {
  auto f = NewForm();
  auto* memo = Place<TMemo>(*f, 10, 10, 200, 80);
  memo->Lines().Clear();
  memo->Lines().Add("Ati selectat o instalare de tip client.");
  memo->Lines().Add("a doua");
  EXPECT_EQ(memo->Text(), "Ati selectat o instalare de tip client.\r\na doua");
  memo->SetText("unu\r\ndoi\r\ntrei");
  ASSERT_EQ(memo->Lines().Count(), 3);
  EXPECT_EQ(memo->Lines()[2], "trei");
}

TEST(FormsLists, ComboItemsSelectionAndText) {
  auto f = NewForm();
  auto* combo = Place<TComboBox>(*f, 10, 10, 150, 21);
  combo->Items().Assign({"LOCAL", "SERVER", "CLIENT"});
  EXPECT_EQ(combo->ItemIndex(), -1);
  combo->SetItemIndex(1);
  EXPECT_EQ(combo->Text(), "SERVER");
  combo->SetItemIndex(7);  // out of range clears the selection
  EXPECT_EQ(combo->ItemIndex(), -1);
  int selects = 0;
  combo->OnSelect = [&](TObject*) { ++selects; };
  SendMessageA(combo->Handle(), CB_SETCURSEL, 2, 0);
  SendMessageA(f->Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo->Handle()));
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(combo->Text(), "CLIENT");
  // Items set before the window exists reach it.
  auto* late = new TComboBox(f.get());
  late->Items().Assign({"a", "b"});
  late->SetItemIndex(1);
  late->SetParent(f.get());
  EXPECT_EQ(SendMessageA(late->Handle(), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(late->ItemIndex(), 1);
}

TEST(FormsButtons, CheckBoxCyclesAndRadioButtonsExcludeEachOther) {
  auto f = NewForm();
  f->Show();
  auto* check = Place<TCheckBox>(*f, 10, 10, 120, 17);
  check->SetCaption("&Grup");
  check->AllowGrayed = true;
  int clicks = 0;
  check->OnClick = [&](TObject*) { ++clicks; };
  std::vector<TCheckBoxState> states;
  for (int i = 0; i < 3; ++i) {
    testing_support::Click(check);
    states.push_back(check->State());
  }
  EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(SendMessageA(check->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  auto* r1 = Place<TRadioButton>(*f, 10, 40, 120, 17);
  auto* r2 = Place<TRadioButton>(*f, 10, 60, 120, 17);
  r1->SetChecked(true);
  testing_support::Click(r2);
  EXPECT_TRUE(r2->Checked());
  EXPECT_FALSE(r1->Checked());
  EXPECT_EQ(SendMessageA(r1->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  f->Hide();
}

TEST(FormsLayout, AlignedControlsShareTheClientArea) {
  auto f = NewForm();
  f->SetClientWidth(300);
  f->SetClientHeight(200);
  EXPECT_EQ(f->ClientWidth(), 300);
  auto* top = Place<TPanel>(*f, 0, 0, 10, 25);
  top->SetAlign(alTop);
  auto* bottom = Place<TPanel>(*f, 0, 0, 10, 41);
  bottom->SetAlign(alBottom);
  auto* rest = Place<TPanel>(*f, 0, 0, 10, 10);
  rest->SetAlign(alClient);
  EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 300, 25));
  EXPECT_EQ(bottom->BoundsRect(), Bounds(0, 159, 300, 41));
  EXPECT_EQ(rest->BoundsRect(), Bounds(0, 25, 300, 134));
  f->SetClientHeight(300);  // follows a resize
  EXPECT_EQ(bottom->Top(), 259);
  EXPECT_EQ(rest->Height(), 234);
  // A framed panel keeps its children inside the frame.
  rest->SetBevelOuter(bvLowered);
  rest->SetBorderWidth(2);
  auto* inner = new TPanel(f.get());
  inner->SetParent(rest);
  inner->SetAlign(alClient);
  EXPECT_EQ(inner->BoundsRect(), Rect(3, 3, 297, 231));
}

TEST(FormsFileControls, DirectoryListShowsThePathAndOpensEntries) {
  testing_support::TempDir dir;
  dir.Write("beta\\x.txt", "x");
  dir.Write("Alfa\\y.txt", "y");
  dir.Write("file.txt", "z");
  auto f = NewForm();
  auto* list = Place<TDirectoryListBox>(*f, 10, 10, 200, 150);
  auto* drives = Place<TDriveComboBox>(*f, 10, 170, 200, 21);
  drives->SetDirList(list);
  std::string root = dir.str();
  root.pop_back();
  int changes = 0;
  list->OnChange = [&](TObject*) { ++changes; };
  list->SetDirectory(root + "\\");
  EXPECT_EQ(list->Directory(), root);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(drives->Drive(), static_cast<char>(tolower(root[0])));  // follows the list
  const int n = list->ItemCount();
  ASSERT_GE(n, 3);
  EXPECT_EQ(list->ItemText(n - 2), "Alfa");  // subdirectories sorted, files left out
  EXPECT_EQ(list->ItemText(n - 1), "beta");
  EXPECT_EQ(list->ItemText(0).substr(1), ":\\");
  list->SetItemIndex(n - 1);
  f->Show();
  list->SetFocus();
  testing_support::PressKey(VK_RETURN);  // not through a modal loop: deliver it here
  Application.ProcessMessages();
  EXPECT_EQ(list->Directory(), root + "\\beta");
  EXPECT_EQ(list->ItemIndex(), list->ItemCount() - 1);
  // Opening an ancestor goes back up.
  list->SetItemIndex(list->ItemCount() - 2);
  list->OpenSelected();
  EXPECT_EQ(list->Directory(), root);

  EXPECT_THROW(list->SetDirectory(root + "\\missing"), std::runtime_error);
  EXPECT_EQ(list->Directory(), root);
  const char drive = drives->Drive();
  EXPECT_THROW(drives->SetDrive('q'), std::runtime_error);
  EXPECT_EQ(drives->Drive(), drive);
  f->Hide();
}

}  // namespace

namespace {

TEST(FormsMouse, GraphicControlsGetTheirParentsMouseMessages) {
  auto f = NewForm();
  f->Show();
  auto* image = Place<TImage>(*f, 100, 100, 40, 30);
  std::vector<std::string> events;
  image->OnMouseEnter = [&](TObject*) { events.push_back("enter"); };
  image->OnMouseLeave = [&](TObject*) { events.push_back("leave"); };
  image->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState, int x, int y) {
    events.push_back("down " + std::to_string(b) + " " + std::to_string(x) + "," +
                     std::to_string(y));
  };
  image->OnClick = [&](TObject*) { events.push_back("click"); };
  HWND h = f->Handle();
  SendMessageA(h, WM_MOUSEMOVE, 0, MAKELPARAM(110, 105));
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 105));
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(111, 106));
  // Released outside: no click.
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 105));
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  SendMessageA(h, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(events,
            (std::vector<std::string>{"enter", "down 0 10,5", "click", "down 0 10,5", "leave"}));
  // A disabled graphic control leaves the mouse to its parent.
  image->SetEnabled(false);
  int form_downs = 0;
  f->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++form_downs; };
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, 105));
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(110, 105));
  EXPECT_EQ(form_downs, 1);
  f->Hide();
}

TEST(FormsKeyboard, LabelAcceleratorFocusesItsControl) {
  auto f = NewForm();
  f->Show();
  auto* first = Place<TEdit>(*f, 80, 10, 100, 21);
  auto* label = Place<TLabel>(*f, 10, 40, 60, 16);
  label->SetCaption("&Date:");
  auto* edit = Place<TEdit>(*f, 80, 40, 100, 21);
  label->SetFocusControl(edit);
  first->SetFocus();
  testing_support::PressAlt('d');
  Application.ProcessMessages();
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(f->ActiveControl(), edit);
  // A letter typed into an edit is text, not an accelerator.
  first->SetFocus();
  PostMessageA(first->Handle(), WM_CHAR, 'd', 1);
  Application.ProcessMessages();
  EXPECT_TRUE(first->Focused());
  EXPECT_EQ(first->Text(), "d");
  f->Hide();
}

TEST(FormsLifetime, ClosedFormsHideOrFreeThemselves) {
  TForm* f = CreateForm<TForm>(&Application);
  bool freed = false;
  struct TWatch : TComponent {
    TWatch(TComponent* o, bool& flag) : TComponent(o), flag_(flag) {}
    ~TWatch() override { flag_ = true; }
    bool& flag_;
  };
  new TWatch(f, freed);
  f->Show();
  f->Close();  // hidden by default
  EXPECT_FALSE(f->Visible());
  EXPECT_FALSE(IsWindowVisible(f->Handle()));
  f->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
  f->Show();
  f->Close();
  EXPECT_FALSE(freed);  // freed once the current message is done
  Application.ProcessMessages();
  EXPECT_TRUE(freed);
  EXPECT_EQ(Application.ComponentCount(), 0);
}

TEST(FormsLayout, ScalingMovesChildrenAndFonts) {
  auto f = NewForm();
  auto* panel = Place<TPanel>(*f, 10, 20, 100, 40);
  auto* label = new TLabel(f.get());
  label->SetAutoSize(false);
  label->SetBounds(4, 6, 30, 10);
  label->SetParent(panel);
  f->Font().SetHeight(-11);
  f->ScaleBy(2, 1);
  EXPECT_EQ(panel->BoundsRect(), Bounds(20, 40, 200, 80));
  EXPECT_EQ(label->BoundsRect(), Bounds(8, 12, 60, 20));
  EXPECT_EQ(label->Font().Height(), -22);  // follows its parents' font
}

}  // namespace
