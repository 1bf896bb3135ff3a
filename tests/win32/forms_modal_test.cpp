// Modal forms, the page contract of buttons, the standard error report, keyboard handling and
// timers, on real windows and messages.
#include <gtest/gtest.h>

#include <stdexcept>

#include "forms/forms.h"
#include "forms/place_control.h"
#include "support/dialog_watcher.h"
#include "support/form_driver.h"

using testing_support::ClickCaption;
using testing_support::DialogWatcher;
using testing_support::FindByName;
using testing_support::ModalScript;
using testing_support::PressAlt;
using testing_support::PressKey;

namespace {

// A page-like form: "&Inapoi" (4), "&Continua" (1), "&Abandon" (2, cancel) and an edit.
class TPage : public TForm {
 public:
  explicit TPage(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsDialog);
    SetClientWidth(300);
    SetClientHeight(100);
    Position = poScreenCenter;
    SetCaption("Pagina");
    REdit = Make<TEdit>("REdit", 10, 10, 200, 21);
    BBack = MakeButton("BBack", "&Inapoi", 10, mrRetry);
    BNext = MakeButton("BNext", "&Continua", 95, mrOk);
    BCancel = MakeButton("BCancel", "&Abandon", 180, mrCancel);
    BCancel->SetCancel(true);
  }
  template <class T>
  T* Make(const std::string& name, int l, int t, int w, int h) {
    return PlaceControl<T>(this, this, name, l, t, w, h);
  }
  TButton* MakeButton(const std::string& name, const std::string& caption, int left,
                      TModalResult r) {
    TButton* b = Make<TButton>(name, left, 60, 80, 25);
    b->SetCaption(caption);
    b->SetModalResult(r);
    return b;
  }
  TEdit* REdit;
  TButton *BBack, *BNext, *BCancel;
};

TEST(FormsModal, ButtonHandsItsResultToTheFormBeforeItsClickHandler) {
  std::unique_ptr<TPage> page(CreateForm<TPage>(&Application));
  TModalResult seen_in_handler = -1;
  page->BNext->OnClick = [&](TObject*) { seen_in_handler = page->ModalResult(); };
  ModalScript script({[](TForm& f) { ASSERT_TRUE(ClickCaption(f, "&Continua")); }});
  EXPECT_EQ(page->ShowModal(), mrOk);
  EXPECT_EQ(seen_in_handler, mrOk);
  EXPECT_EQ(script.Seen(), 1);
  EXPECT_FALSE(page->Visible());

  // Shown again, a button without a result of its own lets its handler decide.
  page->BNext->SetModalResult(mrNone);
  page->BNext->OnClick = [&](TObject*) { page->SetModalResult(mrRetry); };
  ModalScript again({[](TForm& f) { ClickCaption(f, "Continua"); }});
  EXPECT_EQ(page->ShowModal(), mrRetry);
}

TEST(FormsModal, RefusedCloseKeepsTheLoopRunning) {
  std::unique_ptr<TPage> page(CreateForm<TPage>(nullptr));
  int queries = 0;
  page->OnCloseQuery = [&](TObject*, bool& can_close) {
    can_close = ++queries > 1;
    // Refused once: the user then tries the close box.
    if (!can_close) PostMessageA(page->Handle(), WM_CLOSE, 0, 0);
  };
  ModalScript script({[](TForm& f) { ClickCaption(f, "Continua"); }});
  EXPECT_EQ(page->ShowModal(), mrCancel);
  EXPECT_EQ(queries, 2);
}

TEST(FormsModal, FailureEscapingAHandlerIsReportedAndTheLoopGoesOn) {
  Application.SetTitle("Instalare test");
  std::unique_ptr<TPage> page(CreateForm<TPage>(nullptr));
  page->BBack->SetModalResult(mrNone);
  page->BBack->OnClick = [](TObject*) { throw std::runtime_error("Disc plin"); };
  bool went_on = false;
  DialogWatcher watcher(IDOK);
  ModalScript script({[&](TForm& f) {
    ClickCaption(f, "Inapoi");  // returns once the report has been answered
    went_on = true;
    ClickCaption(f, "Continua");
  }});
  EXPECT_EQ(page->ShowModal(), mrOk);
  EXPECT_TRUE(went_on);
  const auto seen = watcher.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, "Instalare test");
  EXPECT_NE(seen[0].text.find("Disc plin"), std::string::npos);
  EXPECT_EQ(seen[0].buttons, 1);
  EXPECT_TRUE(seen[0].error_icon);
}

TEST(FormsModal, NestedModalWindowsAreDrivenInTheOrderTheyOpen) {
  std::unique_ptr<TPage> outer(CreateForm<TPage>(nullptr));
  std::string typed;
  outer->BBack->SetModalResult(mrNone);
  outer->BBack->OnClick = [&](TObject*) {
    std::unique_ptr<TPage> inner(CreateForm<TPage>(outer.get()));
    inner->SetCaption("Dialog");
    if (inner->ShowModal() == mrOk) typed = inner->REdit->Text();
  };
  ModalScript script({
      [](TForm& f) {
        EXPECT_EQ(f.Caption(), "Pagina");
        ClickCaption(f, "Inapoi");
        ClickCaption(f, "Continua");
      },
      [](TForm& f) {
        EXPECT_EQ(f.Caption(), "Dialog");
        // The window under a modal one cannot be used meanwhile.
        EXPECT_FALSE(IsWindowEnabled(GetWindow(f.Handle(), GW_OWNER)));
        testing_support::TypeText(static_cast<TWinControl*>(FindByName(f, "REdit")), "C:\\Vort");
        ClickCaption(f, "Continua");
      },
  });
  EXPECT_EQ(outer->ShowModal(), mrOk);
  EXPECT_EQ(typed, "C:\\Vort");
  EXPECT_EQ(script.Seen(), 2);
  EXPECT_TRUE(script.Done());
}

TEST(FormsModal, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
  std::unique_ptr<TPage> page(CreateForm<TPage>(nullptr));
  page->BNext->SetDefault(true);
  ModalScript enter({[](TForm&) { PressKey(VK_RETURN); }});
  EXPECT_EQ(page->ShowModal(), mrOk);
  ModalScript escape({[](TForm&) { PressKey(VK_ESCAPE); }});
  EXPECT_EQ(page->ShowModal(), mrCancel);
  // Alt and the accelerator letter press the button.
  ModalScript accel({[](TForm&) { PressAlt('i'); }});
  EXPECT_EQ(page->ShowModal(), mrRetry);
}

TEST(FormsModal, KeyPreviewLetsTheFormSwallowAKeyFirst) {
  std::unique_ptr<TPage> page(CreateForm<TPage>(nullptr));
  page->BNext->SetDefault(true);
  page->KeyPreview = true;
  std::vector<uint16_t> keys;
  page->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
    keys.push_back(key);
    if (key == VK_RETURN) key = 0;
  };
  ModalScript script({[](TForm&) {
    PressKey(VK_RETURN);  // swallowed: the default button is not pressed
    PressKey(VK_ESCAPE);
  }});
  EXPECT_EQ(page->ShowModal(), mrCancel);
  EXPECT_EQ(keys, (std::vector<uint16_t>{VK_RETURN, VK_ESCAPE}));
}

TEST(FormsModal, TabMovesTheFocusAlongTheControls) {
  std::unique_ptr<TPage> page(CreateForm<TPage>(nullptr));
  std::vector<std::string> entered;
  for (TWinControl* c : std::initializer_list<TWinControl*>{page->REdit, page->BBack, page->BNext})
    c->OnEnter = [&entered](TObject* s) { entered.push_back(static_cast<TControl*>(s)->Name()); };
  ModalScript script({[&](TForm& f) {
    EXPECT_EQ(f.ActiveControl(), page->REdit);
    PressKey(VK_TAB);
    Application.ProcessMessages();
    PressKey(VK_TAB);
    Application.ProcessMessages();
    PostMessageA(f.Handle(), WM_CLOSE, 0, 0);
  }});
  EXPECT_EQ(page->ShowModal(), mrCancel);
  EXPECT_EQ(entered, (std::vector<std::string>{"REdit", "BBack", "BNext"}));
}

TEST(FormsModal, TimerFiresInsideAModalLoop) {
  std::unique_ptr<TPage> page(CreateForm<TPage>(nullptr));
  int ticks = 0;
  auto* timer = new TTimer(page.get());
  timer->SetInterval(30);
  timer->SetOnTimer([&](TObject*) {
    if (++ticks == 3) page->SetModalResult(mrIgnore);
  });
  EXPECT_EQ(page->ShowModal(), mrIgnore);
  EXPECT_EQ(ticks, 3);
  timer->SetEnabled(false);
}

TEST(FormsModal, ModalFormMustNotBeVisibleAlready) {
  std::unique_ptr<TPage> page(CreateForm<TPage>(nullptr));
  page->Show();
  EXPECT_THROW(page->ShowModal(), EInvalidOperation);
  page->Hide();
}

TEST(FormsModal, FailingCreationFreesTheFormAndReachesTheCaller) {
  struct TBroken : TPage {
    using TPage::TPage;
    void DoCreate() override { throw std::runtime_error("creare"); }
  };
  const int forms = Screen.FormCount();
  EXPECT_THROW(CreateForm<TBroken>(&Application), std::runtime_error);
  EXPECT_EQ(Screen.FormCount(), forms);
  EXPECT_EQ(Application.ComponentCount(), 0);
}

}  // namespace
