// The message window on real windows: what it is made of, its keys, the mouse shortcuts and the
// automatic dismissal they switch on, its layout and texts, and the failure rule.
#include <gtest/gtest.h>

#include <memory>

#include "support/dialog_watcher.h"
#include "support/form_driver.h"
#include "support/screen_pixels.h"
#include "support/window_text.h"
#include "ui/controls/fmt_label.h"
#include "ui/controls/nice_button.h"
#include "ui/controls/title_bar.h"
#include "ui/controls/trans_image.h"
#include "ui/message/mesaj_dlg.h"
#include "ui/message/message_form.h"
#include "ui/toolkit.h"

namespace {

using testing_support::Click;
using testing_support::DialogWatcher;
using testing_support::FindByName;
using testing_support::ModalScript;
using testing_support::Pump;
using testing_support::WindowText;

class UiMessage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { StartToolkit(); }
  static void TearDownTestSuite() { StopToolkit(); }
};

std::string ClassOf(HWND w) {
  char buffer[64] = "";
  GetClassNameA(w, buffer, sizeof buffer);
  return buffer;
}

TControl& Part(TForm& f, const std::string& name) {
  TControl* c = FindByName(f, name);
  if (!c) throw std::runtime_error("no " + name);
  return *c;
}

// A key pressed in the message: it goes to the control with the focus, which is the active
// control of the window even while another program on the display has taken the focus.
void Key(TForm& f, WORD vk) {
  HWND target = GetFocus();
  if (!target || GetAncestor(target, GA_ROOT) != f.Handle())
    target = f.ActiveControl() ? f.ActiveControl()->Handle() : f.Handle();
  PostMessageA(target, WM_KEYDOWN, vk, 1);
  PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
}

// Presses the left button on the icon, as a user would, `times` times.
void ClickIcon(TForm& f, int times) {
  for (int i = 0; i < times; ++i) Click(&Part(f, "Image"));
}

// Lets the window's own timers run for `ms` and tells whether it is still waiting for an answer.
bool StillOpenAfter(TForm& f, int ms) {
  Pump(ms);
  return f.Modal() && f.ModalResult() == mrNone;
}

uint16_t Ask(TMsgDlgButtons buttons, uint8_t default_button, TMsgDlgType type = mtWarning,
             const std::string& text = "Mesaj de proba") {
  return MesajDlg(text, "", type, taCenter, buttons, default_button, 0);
}

TEST_F(UiMessage, IsARealWindowOfToolkitControlsWithCaptionedButtons) {
  ModalScript script({[](TForm& f) {
    EXPECT_EQ(ClassOf(f.Handle()), kMessageWindowClass);
    EXPECT_EQ(WindowText(f.Handle()), "Atentie !");
    ASSERT_NE(dynamic_cast<TMessageForm*>(&f), nullptr);
    EXPECT_EQ(static_cast<TMessageForm&>(f).TitleBar()->Caption(), "Atentie !");
    EXPECT_EQ(static_cast<TMessageForm&>(f).TitleBar()->Height(), 25);
    EXPECT_EQ(WindowText(static_cast<TWinControl&>(Part(f, "Panel")).Handle()), "Mesaj de proba");
    EXPECT_NE(dynamic_cast<TFmtLabel*>(&Part(f, "Message")), nullptr);
    EXPECT_TRUE(Part(f, "Message").Font().Style() & fsBold);
    EXPECT_EQ(Part(f, "Message").Font().Name(), "MS Sans Serif");
    EXPECT_EQ(Part(f, "Image").Width(), 42);
    EXPECT_EQ(Part(f, "Image").Height(), 64);

    auto* ok = dynamic_cast<TNiceButton*>(&Part(f, "BtnOK"));
    auto* cancel = dynamic_cast<TNiceButton*>(&Part(f, "BtnRenunt"));
    ASSERT_TRUE(ok && cancel);
    EXPECT_EQ(WindowText(ok->Handle()), "O&K");
    EXPECT_EQ(WindowText(cancel->Handle()), "&Renunt");
    EXPECT_EQ(ClassOf(ok->Handle()), "Button");
    EXPECT_TRUE(ok->Default());
    EXPECT_TRUE(ok->Focused());
    EXPECT_FALSE(ok->Cancel() || cancel->Cancel());  // with Cancel shown but not No: no Esc
    EXPECT_EQ(ok->Left(), 16);
    EXPECT_EQ(cancel->Left(), 116);
    EXPECT_EQ(ok->Width(), 100);
    EXPECT_EQ(ok->Height(), 28);
    // Centred on the screen.
    EXPECT_EQ(f.Left(), Screen.Width() / 2 - f.Width() / 2);
    EXPECT_EQ(f.Top(), Screen.Height() / 2 - f.Height() / 2);
    Click(cancel);
  }});
  Screen.SetCursor(crHourGlass);
  EXPECT_EQ(Ask(kButtonsOKCancel, mbOK), mrCancel);
  EXPECT_EQ(Screen.Cursor(), crHourGlass);  // the arrow was only for the message
  Screen.SetCursor(crDefault);
  EXPECT_EQ(Application.FindComponent("Message"), nullptr);  // freed
  EXPECT_EQ(script.Seen(), 1);
}

TEST_F(UiMessage, KeysFollowTheDefaultAndEscRules) {
  std::string caption;
  ModalScript script({
      [](TForm& f) { Key(f, VK_RETURN); }, [](TForm& f) { Key(f, VK_ESCAPE); },
      [&](TForm& f) {
        caption = WindowText(f.Handle());
        Key(f, VK_ESCAPE);
        EXPECT_TRUE(StillOpenAfter(f, 100)) << "no button answers Esc";
        Key(f, VK_RETURN);
      },
      [](TForm& f) { Key(f, VK_ESCAPE); },  // No with Cancel: Cancel answers Esc
  });
  EXPECT_EQ(Ask(kButtonsOK, mbOK, mtError), mrOk);
  EXPECT_EQ(Ask(kButtonsOK, mbOK, mtError), mrOk);
  EXPECT_EQ(Ask(kButtonsYesNo, mbNo, mtConfirmation), mrNo);
  EXPECT_EQ(caption, "Confirmare...");
  EXPECT_EQ(Ask(kButtonsYesNo | kButtonsCancel, mbYes), mrCancel);
  EXPECT_TRUE(script.Done());
}

TEST_F(UiMessage, RightClickAnswersWithTheDefault) {
  ModalScript script({
      [](TForm& f) {
        TControl& label = Part(f, "Message");
        SendMessageA(static_cast<TWinControl*>(label.Parent())->Handle(), WM_RBUTTONDOWN,
                     MK_RBUTTON, MAKELPARAM(label.Left() + 2, label.Top() + 2));
      },
      [](TForm& f) {
        // A real press, which the window also sees as it sets the cursor: answered once.
        const TPoint p = Part(f, "Image").ClientToScreen({5, 5});
        SetCursorPos(p.X, p.Y);
        Pump(50);
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_MOUSE;
        in[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
        in[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
        SendInput(2, in, sizeof(INPUT));
      },
      [](TForm& f) {
        EXPECT_TRUE(StillOpenAfter(f, 200)) << "nothing of the last answer is left over";
        Click(&Part(f, "BtnDa"));
      },
  });
  EXPECT_EQ(Ask(kButtonsYesNo, mbNo), mrNo);
  EXPECT_EQ(Ask(kButtonsOKCancel, mbOK), mrOk);
  EXPECT_EQ(Ask(kButtonsYesNo, mbNo), mrYes);
}

TEST_F(UiMessage, IconClicksSwitchAutomaticDismissalOnAndOff) {
  std::unique_ptr<TForm> main(new TForm(nullptr));  // carries the timer
  main->HandleNeeded();
  Application.SetMainForm(main.get());
  DWORD shown = 0;
  ModalScript script({
      [](TForm& f) {
        ClickIcon(f, 2);
        EXPECT_TRUE(StillOpenAfter(f, 50));
        ClickIcon(f, 1);
      },
      [&](TForm&) { shown = GetTickCount(); },
      [&](TForm&) { shown = GetTickCount(); },  // any one-button message
      [](TForm& f) {
        EXPECT_TRUE(StillOpenAfter(f, 900)) << "more than one button: not closed";
        Key(f, VK_RETURN);
      },
      [](TForm& f) { ClickIcon(f, 3); },  // switches it off again
      [](TForm& f) {
        EXPECT_TRUE(StillOpenAfter(f, 900));
        Key(f, VK_RETURN);
      },
      // With two buttons the third click presses the default and later ones press theirs.
      [](TForm& f) { ClickIcon(f, 3); },
      [&](TForm&) { shown = GetTickCount(); },
      [](TForm& f) { ClickIcon(f, 3); },
      [](TForm& f) {
        EXPECT_TRUE(StillOpenAfter(f, 900));
        Key(f, VK_RETURN);
      },
  });
  EXPECT_EQ(Ask(kButtonsOK, mbOK), mrIgnore);
  EXPECT_EQ(Ask(kButtonsOK, mbOK), mrCancel);  // closed by itself
  const DWORD first = GetTickCount() - shown;
  EXPECT_GE(first, 550u) << "on the second tick, not the first";
  EXPECT_EQ(Ask(kButtonsCancel, mbCancel, mtError), mrCancel);
  EXPECT_GE(GetTickCount() - shown, 550u);
  EXPECT_EQ(Ask(kButtonsYesNo, mbNo), mrNo);
  EXPECT_EQ(Ask(kButtonsOK, mbOK), mrIgnore);
  EXPECT_EQ(Ask(kButtonsOK, mbOK), mrOk);

  EXPECT_EQ(Ask(kButtonsYesNo, mbNo), mrNo);
  EXPECT_EQ(Ask(kButtonsOKCancel, mbOK), mrOk);  // pressed by itself
  EXPECT_GE(GetTickCount() - shown, 550u);
  EXPECT_EQ(Ask(kButtonsYesNo, mbYes), mrYes);
  EXPECT_EQ(Ask(kButtonsOKCancel, mbCancel), mrCancel);
  EXPECT_TRUE(script.Done());
  Application.SetMainForm(nullptr);
}

TEST_F(UiMessage, SuffixIsAppendedWhileSet) {
  std::string shown;
  ModalScript script({[&](TForm& f) {
                        shown = WindowText(static_cast<TWinControl&>(Part(f, "Panel")).Handle());
                        Key(f, VK_RETURN);
                      },
                      [&](TForm& f) {
                        shown = WindowText(static_cast<TWinControl&>(Part(f, "Panel")).Handle());
                        Key(f, VK_RETURN);
                      }});
  MessageSuffix = "Pentru continuare";
  Ask(kButtonsOK, mbOK, mtWarning, "Introduceti discul 2");
  EXPECT_EQ(shown, "Introduceti discul 2,\r\rPENTRU CONTINUARE");
  MessageSuffix.clear();
  Ask(kButtonsOK, mbOK, mtWarning, "Introduceti discul 2");
  EXPECT_EQ(shown, "Introduceti discul 2");
}

TEST_F(UiMessage, LongTextWrapsWithinHalfTheScreenAndStaysInItsPanel) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "Fisierul nu poate fi copiat ";
  text += "\rC:\\PROGRA~1\\VORTEL 100% gata";
  ModalScript script({[&](TForm& f) {
    Pump(100);  // the label has painted, and grown if it had to
    TControl& label = Part(f, "Message");
    auto& panel = static_cast<TWinControl&>(Part(f, "Panel"));
    EXPECT_LE(label.Width(), Screen.Width() / 2);
    EXPECT_GT(label.Width(), Screen.Width() / 2 - 80);
    EXPECT_GE(label.Height(), 4 * 13);
    EXPECT_LE(label.Top() + label.Height(), panel.ClientHeight() - 8);
    EXPECT_LE(label.Left() + label.Width(), panel.ClientWidth());
    EXPECT_EQ(f.ClientWidth(), panel.Width() + 32);
    EXPECT_GE(f.Left(), 0);
    EXPECT_GE(f.Top(), 0);
    // Shown as written: the short name and the percentage neither blink nor lose a character.
    EXPECT_EQ(static_cast<TFmtLabel&>(label).BlinkCount(), 0);
    EXPECT_EQ(WindowText(panel.Handle()), text);
    Key(f, VK_RETURN);
  }});
  EXPECT_EQ(MesajDlg(text, "Eroare...", mtError, taCenter, kButtonsOK, mbOK, 0), mrOk);
}

TEST_F(UiMessage, CustomKindHasNoIconAndNoCaption) {
  ModalScript script({[](TForm& f) {
    EXPECT_EQ(WindowText(f.Handle()), "");
    TControl& icon = Part(f, "Image");
    TControl& label = Part(f, "Message");
    auto& panel = static_cast<TWinControl&>(Part(f, "Panel"));
    EXPECT_EQ(icon.Width(), 0);
    EXPECT_EQ(icon.Height(), 0);
    EXPECT_EQ(label.Left(), (panel.ClientWidth() - 10 - label.Width()) / 2 + 10);
    EXPECT_EQ(label.Top(), 16);
    EXPECT_GE(panel.ClientWidth(), 150);
    EXPECT_GE(panel.ClientHeight(), 55);
    Key(f, VK_RETURN);
  }});
  EXPECT_EQ(Ask(kButtonsOK, mbOK, mtCustom, "Gata"), mrOk);
}

TEST_F(UiMessage, TwoButtonsOfOneCaptionFailWithZeroAndShowNothing) {
  ModalScript script({});
  Screen.SetCursor(crHourGlass);
  EXPECT_EQ(Ask(Btn(mbNo) | Btn(mbNoToAll), mbNo), 0);
  EXPECT_EQ(Ask(Btn(mbAll) | Btn(mbYesToAll), mbAll), 0);
  EXPECT_EQ(Screen.Cursor(), crHourGlass);
  Screen.SetCursor(crDefault);
  EXPECT_EQ(script.Seen(), 0);
  EXPECT_EQ(Application.FindComponent("Message"), nullptr);
}

TEST_F(UiMessage, AMessageAskedWhileAnotherIsShownIsShownToo) {
  uint16_t inner = 0;
  ModalScript script({
      [&](TForm& f) {
        inner = MesajDlg("Al doilea", "", mtInformation, taCenter, kButtonsOKCancel, mbCancel, 0);
        Key(f, VK_RETURN);
      },
      [](TForm& f) {
        EXPECT_EQ(WindowText(f.Handle()), "Informatie...");
        Key(f, VK_RETURN);
      },
  });
  EXPECT_EQ(Ask(kButtonsOK, mbOK), mrOk);
  EXPECT_EQ(inner, mrCancel);
  EXPECT_EQ(script.Seen(), 2);
}

TEST_F(UiMessage, WatcherOfTestsClicksTheButtonAsked) {
  std::vector<testing_support::SeenDialog> seen;
  {
    DialogWatcher watcher(IDYES);
    EXPECT_EQ(Ask(kButtonsYesNo, mbNo, mtConfirmation, "Continuam?"), mrYes);
    // No such button: the default answers.
    EXPECT_EQ(Ask(kButtonsCancel, mbCancel, mtError, "Eroare DDE!"), mrCancel);
    seen = watcher.Seen();
  }
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].caption, "Confirmare...");
  EXPECT_EQ(seen[0].text, "Continuam?");
  EXPECT_EQ(seen[0].button_captions, (std::vector<std::string>{"&Da", "&Nu"}));
  EXPECT_EQ(seen[1].buttons, 1);
}

}  // namespace
