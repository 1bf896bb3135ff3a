// The toolkit's base forms through real windows and messages: system menu, caption-less frame,
// title bar, button greying under modal windows, colour mapping and the message window.
#include <gtest/gtest.h>
#include <windowsx.h>

#include <memory>

#include "support/form_driver.h"
#include "support/pixels.h"
#include "ui/controls/painted_panel.h"
#include "ui/core/color_map.h"
#include "ui/forms/title_form.h"
#include "ui/message/message_form.h"
#include "ui/toolkit.h"

using testing_support::Click;
using testing_support::ModalScript;

namespace {

struct ToolkitScope {
  ToolkitScope() { StartToolkit(); }
  ~ToolkitScope() { StopToolkit(); }
};

// A wizard page as the pages build it: title bar, body panel, three buttons.
class TTestPage : public TTitleForm {
 public:
  explicit TTestPage(TComponent* owner, TFormBorderStyle style = bsDialog) : TTitleForm(owner) {
    SetBorderStyle(style);
    SetClientWidth(360);
    SetClientHeight(200);
    Position = poScreenCenter;
    auto* bar = new TTitleBar(this);
    bar->SetName("TitleBar1");
    bar->SetAlign(alTop);
    bar->SetParent(this);
    Body = new TPaintedPanel(this);
    Body->SetBounds(20, 40, 200, 80);
    Body->SetParent(this);
    Tinted = new TPaintedPanel(this);
    Tinted->SetBounds(230, 40, 100, 80);
    Tinted->SetColor(RGBColor(1, 2, 3));
    Tinted->SetParent(this);
    BBack = MakeButton("&Inapoi", 10);
    BNext = MakeButton("&Continua", 100);
    BCancel = MakeButton("&Abandon", 270);
    BCancel->SetModalResult(mrCancel);
    SetCaption("Pagina de test");
  }
  TButton* MakeButton(const std::string& caption, int left) {
    auto* b = new TButton(this);
    b->SetCaption(caption);
    b->SetBounds(left, 160, 80, 25);
    b->SetParent(this);
    return b;
  }
  TPaintedPanel *Body, *Tinted;
  TButton *BBack, *BNext, *BCancel;
};

// A message window as the message dialog builds it, with one default OK button.
TMessageForm* NewMessage(int* result_seen) {
  auto* m = new TMessageForm(&Application);
  m->SetBorderStyle(bsDialog);
  m->SetBorderIcons(biSystemMenu);
  m->SetClientWidth(200);
  m->SetClientHeight(100);
  m->Position = poScreenCenter;
  auto* ok = new TButton(m);
  ok->SetCaption("O&K");
  ok->SetModalResult(mrOk);
  ok->SetDefault(true);
  ok->SetBounds(60, 60, 80, 25);
  ok->SetParent(m);
  ok->OnClick = [result_seen](TObject*) { ++*result_seen; };
  return m;
}

std::string MenuText(HMENU menu, UINT command) {
  char text[64] = "";
  GetMenuStringA(menu, command, text, sizeof text, MF_BYCOMMAND);
  return text;
}

TEST(UiBaseForms, SystemMenuIsRomanianWithCloseGreyed) {
  ToolkitScope toolkit;
  std::unique_ptr<TTestPage> sizeable(CreateForm<TTestPage>(nullptr, bsSizeable));
  HMENU menu = GetSystemMenu(sizeable->Handle(), FALSE);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(MenuText(menu, SC_RESTORE), "&Restaureaza");
  EXPECT_EQ(MenuText(menu, SC_MOVE), "&Muta");
  EXPECT_EQ(MenuText(menu, SC_SIZE), "&Dimensioneaza");
  EXPECT_EQ(MenuText(menu, SC_MINIMIZE), "Mi&nimizeaza");
  EXPECT_EQ(MenuText(menu, SC_MAXIMIZE), "Ma&ximizeaza");
  EXPECT_EQ(MenuText(menu, SC_CLOSE), "&Inchide    ALT+F4");
  EXPECT_TRUE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);

  // A form without a system menu is left alone.
  std::unique_ptr<TMForm> plain(CreateForm<TMForm>(nullptr));
  plain->SetBorderIcons(0);
  EXPECT_FALSE(GetWindowLongA(plain->Handle(), GWL_STYLE) & WS_SYSMENU);
}

TEST(UiBaseForms, CloseCommandAndAltF4DoNothing) {
  ToolkitScope toolkit;
  std::unique_ptr<TTestPage> page(CreateForm<TTestPage>(nullptr));
  bool still_open = false;
  ModalScript script({[&](TForm& f) {
    SendMessageA(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    // Alt+F4 as the keyboard delivers it.
    INPUT keys[4]{};
    const WORD order[4] = {VK_MENU, VK_F4, VK_F4, VK_MENU};
    for (int i = 0; i < 4; ++i) {
      keys[i].type = INPUT_KEYBOARD;
      keys[i].ki.wVk = order[i];
      keys[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, keys, sizeof(INPUT));
    for (int i = 0; i < 10; ++i) {
      Application.ProcessMessages();
      Sleep(10);
    }
    still_open = f.Visible() && f.ModalResult() == mrNone;
    Click(static_cast<TTestPage&>(f).BCancel);
  }});
  EXPECT_EQ(page->ShowModal(), mrCancel);
  EXPECT_TRUE(still_open);
}

TEST(UiBaseForms, CaptionLessFrameIsDraggedByItsFreeClientArea) {
  ToolkitScope toolkit;
  std::unique_ptr<TTestPage> page(CreateForm<TTestPage>(nullptr));
  page->Show();
  Application.ProcessMessages();
  HWND h = page->Handle();
  EXPECT_FALSE(GetWindowLongA(h, GWL_STYLE) & WS_DLGFRAME);
  RECT window, client;
  GetWindowRect(h, &window);
  GetClientRect(h, &client);
  EXPECT_LT((window.bottom - window.top) - client.bottom, GetSystemMetrics(SM_CYCAPTION));

  const auto hit = [&](int x, int y) {
    POINT p{x, y};
    ClientToScreen(h, &p);
    return SendMessageA(h, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  };
  EXPECT_EQ(hit(5, 5), HTCAPTION);      // the title bar
  EXPECT_EQ(hit(350, 190), HTCAPTION);  // free body
  EXPECT_EQ(hit(30, 50), HTCLIENT);     // over the panel's window
  EXPECT_EQ(hit(20, 170), HTCLIENT);    // over a button

  // The title bar follows the caption.
  page->SetCaption("Alt titlu");
  EXPECT_EQ(page->TitleBar()->Caption(), "Alt titlu");
  EXPECT_EQ(page->TitleBar()->Width(), 360);

  // The window cannot be made lower than its frame and the title bar.
  MINMAXINFO info{};
  SendMessageA(h, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.y, (window.bottom - window.top) - client.bottom + 25);
}

TEST(UiBaseForms, LoadedFormsMapTheButtonFaceAndSizeableOnesFitTheWorkArea) {
  ToolkitScope toolkit;
  std::unique_ptr<TTestPage> page(CreateForm<TTestPage>(nullptr, bsSizeable));
  EXPECT_EQ(page->Color(), kMappedButtonFace);
  EXPECT_EQ(page->Body->Color(), kMappedButtonFace);
  EXPECT_EQ(page->Tinted->Color(), RGBColor(1, 2, 3));
  EXPECT_EQ(page->TitleBar()->StartColor(), kTitleStartColor);
  EXPECT_EQ(page->TitleBar()->EndColor(), kTitleEndColor);
  page->Show();
  Application.ProcessMessages();
  EXPECT_EQ(testing_support::Snapshot(*page).Pixel(350, 190), kMappedButtonFace);

  EXPECT_EQ(page->MaxWidth, WorkArea().width);
  EXPECT_EQ(page->MaxHeight, WorkArea().height);
  MINMAXINFO info{};
  SendMessageA(page->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMaxTrackSize.x, WorkArea().width);
  EXPECT_EQ(info.ptMaxTrackSize.y, WorkArea().height);

  // A smaller limit of its own stays; a dialog frame gets none.
  auto small = std::unique_ptr<TMForm>(new TMForm(nullptr));
  small->MaxWidth = 300;
  small->AfterConstruction();
  EXPECT_EQ(small->MaxWidth, 300);
  std::unique_ptr<TTestPage> dialog(CreateForm<TTestPage>(nullptr, bsDialog));
  EXPECT_EQ(dialog->MaxWidth, 0);

  // A form built bare keeps its colours and has no button list.
  std::unique_ptr<TMessageForm> bare(CreateForm<TMessageForm>(nullptr));
  EXPECT_EQ(bare->Color(), clBtnFace);
  EXPECT_EQ(bare->Buttons(), nullptr);
}

TEST(UiBaseForms, ButtonsAreGreyedUnderAModalWindowAndGetTheirFocusBack) {
  ToolkitScope toolkit;
  std::unique_ptr<TTestPage> page(CreateForm<TTestPage>(nullptr));
  page->BBack->SetEnabled(false);
  int ok_clicks = 0;
  bool greyed_while_open = false, title_greyed = false, restored = false, focus_back = false;
  page->BNext->OnClick = [&](TObject*) {
    std::unique_ptr<TMessageForm> message(NewMessage(&ok_clicks));
    EXPECT_EQ(message->ShowModal(), mrOk);
    Application.ProcessMessages();
    restored = !page->BBack->Enabled() && page->BNext->Enabled() && page->BCancel->Enabled();
    focus_back = GetFocus() == page->BNext->Handle();
  };
  ModalScript script({
      [&](TForm& f) {
        EXPECT_EQ(static_cast<TTestPage&>(f).Buttons()->Count(), 3);
        page->BNext->SetFocus();
        Click(page->BNext);
        EXPECT_FALSE(page->TitleBar()->Grayed());
        Click(page->BCancel);
      },
      [&](TForm& message) {
        greyed_while_open =
            !page->BBack->Enabled() && !page->BNext->Enabled() && !page->BCancel->Enabled();
        title_greyed = page->TitleBar()->Grayed();
        Click(testing_support::FindByCaption(message, "OK"));
      },
  });
  EXPECT_EQ(page->ShowModal(), mrCancel);
  EXPECT_TRUE(greyed_while_open);
  EXPECT_TRUE(title_greyed);
  EXPECT_TRUE(restored);
  EXPECT_TRUE(focus_back);
  EXPECT_EQ(ok_clicks, 1);
}

TEST(UiBaseForms, FreedButtonIsDroppedFromTheList) {
  ToolkitScope toolkit;
  std::unique_ptr<TTestPage> page(CreateForm<TTestPage>(nullptr));
  page->Show();
  ASSERT_EQ(page->Buttons()->Count(), 3);
  delete page->BBack;
  page->BBack = nullptr;
  EXPECT_EQ(page->Buttons()->Button(0), nullptr);
  EnableWindow(page->Handle(), FALSE);  // greys what is left, touching nothing freed
  EXPECT_FALSE(page->BNext->Enabled());
  EnableWindow(page->Handle(), TRUE);
  EXPECT_TRUE(page->BNext->Enabled());
}

TEST(UiBaseForms, RightClickOverAnyFormAnswersTheMessageWithEnter) {
  ToolkitScope toolkit;
  std::unique_ptr<TTestPage> page(CreateForm<TTestPage>(nullptr));
  int ok_clicks = 0;
  TModalResult answer = mrNone;
  page->BNext->OnClick = [&](TObject*) {
    std::unique_ptr<TMessageForm> message(NewMessage(&ok_clicks));
    answer = message->ShowModal();
  };
  ModalScript script({
      [&](TForm&) {
        Click(page->BNext);
        Click(page->BCancel);
      },
      [&](TForm&) {
        // The page, disabled under the message, still sees the press as it sets the cursor.
        SendMessageA(page->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(page->Handle()),
                     MAKELPARAM(HTCLIENT, WM_RBUTTONDOWN));
      },
  });
  page->ShowModal();
  EXPECT_EQ(answer, mrOk);
  EXPECT_EQ(ok_clicks, 1);
}

TEST(UiBaseForms, MessageFormPassesMousePressesToItsShortcuts) {
  ToolkitScope toolkit;
  std::unique_ptr<TMessageForm> message(CreateForm<TMessageForm>(nullptr));
  message->SetBounds(0, 0, 200, 100);
  TObject* sender = nullptr;
  TMouseButton pressed = mbLeft;
  message->OnShortcut = [&](TObject* s, TMouseButton b, TShiftState, int, int) {
    sender = s;
    pressed = b;
  };
  SendMessageA(message->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 20));
  SendMessageA(message->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_EQ(sender, message.get());
  EXPECT_EQ(pressed, mbRight);
  EXPECT_EQ(message->ClickCount, 0);
}

}  // namespace
