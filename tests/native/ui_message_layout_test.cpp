#include <gtest/gtest.h>

#include "ui/message/message_buttons.h"
#include "ui/message/message_kind.h"
#include "ui/message/message_layout.h"
#include "ui/message/message_text.h"

namespace {

// Like the system's word-wrapping measurement with a fixed-width bold font: 7 pixels a
// character, 13 a line; breaks at spaces and CRs, never inside a word.
TextSize FakeMeasure(const std::string& text, int max_width) {
  int width = 0, lines = 1, line = 0;
  size_t i = 0;
  while (i <= text.size()) {
    if (i == text.size() || text[i] == '\r') {
      width = std::max(width, line);
      if (i < text.size()) ++lines;
      line = 0;
      ++i;
      continue;
    }
    size_t j = text.find_first_of(" \r", i);
    if (j == std::string::npos) j = text.size();
    const int word = static_cast<int>(j - i) * 7;
    const int gap = line > 0 ? 7 : 0;
    if (line > 0 && line + gap + word > max_width) {
      width = std::max(width, line);
      ++lines;
      line = word;
    } else {
      line += gap + word;
    }
    i = text[j] == ' ' ? j + 1 : j;
  }
  return {width, lines * 13};
}

MessageLayoutInput Input(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  MessageLayoutInput in;
  in.screen_width = 1024;
  in.screen_height = 768;
  in.measure_text = FakeMeasure;
  in.text = text;
  if (type != mtCustom) {
    in.icon_width = 42;
    in.icon_height = 64;
  }
  in.buttons = buttons;
  in.default_button = mbOK;
  return in;
}

TEST(MessageLayout, TextWiderThanHalfTheScreenWrapsThere) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "cuvant ";  // 40 words of 6 letters: 1953 pixels in one line
  const MessageLayout m = LayoutMessage(Input(text, mtWarning, kButtonsOK));
  EXPECT_LE(m.label.width, 512);
  EXPECT_GT(m.label.width, 450);
  EXPECT_EQ(m.label.height, 4 * 13);
  // Icon shorter than the text would be: here the text is 52 high, the icon 64.
  EXPECT_EQ(m.panel.width, m.label.width + 32 + 42 + 10);
  EXPECT_EQ(m.client_width, m.panel.width + 32);
}

TEST(MessageLayout, OneShortWordSitsCentredOverTheMinimumPanel) {
  const MessageLayout m = LayoutMessage(Input("Gata", mtCustom, kButtonsOK));
  // 28 by 13 text, no icon: content 28+32+0+10 = 70 wide, 45 high; one button needs 132.
  EXPECT_EQ(m.panel, (LayoutRect{16, 25 + 16, 150, 55}));
  EXPECT_EQ(m.client_width, 182);
  EXPECT_EQ(m.client_height, 25 + 55 + 58 + 32);
  EXPECT_EQ(m.icon, (LayoutRect{10, 16 + 6, 0, 0}));
  EXPECT_EQ(m.label, (LayoutRect{(150 - 10 - 28) / 2 + 10, 16, 28, 13}));
  EXPECT_EQ(m.separator, (LayoutRect{0, 25 + 55 + 32, 182, 5}));
  EXPECT_EQ(m.button_bar, (LayoutRect{(182 - 132) / 2, 25 + 55 + 32 + 8, 132, 43}));
  ASSERT_EQ(m.button_bounds.size(), 1u);
  EXPECT_EQ(m.button_bounds[0], (LayoutRect{16, 8, 100, 28}));
}

TEST(MessageLayout, IconTallerThanTheTextCentresTheText) {
  MessageLayoutInput in = Input("Doua\rrandurii", mtError, kButtonsOKCancel);
  in.frame_width = 2;
  in.frame_height = 2;
  const MessageLayout m = LayoutMessage(in);
  // Text 2 lines: 26 high, 8 characters wide (56); icon 42 by 64.
  EXPECT_EQ(m.icon, (LayoutRect{10, 10, 42, 64}));
  EXPECT_EQ(m.label.top, 10 + 32 - 13);
  EXPECT_EQ(m.panel.height, 84);  // icon + 20
  EXPECT_EQ(m.panel.width, 232);  // two buttons: 2 x 100 + 32
  EXPECT_EQ(m.label.left, (232 - 52 - 56) / 2 + 52);
  EXPECT_EQ(m.button_bounds[1].left, 116);
  EXPECT_EQ(m.form_left, 512 - (264 + 2) / 2);
  EXPECT_EQ(m.form_top, 384 - (25 + 84 + 90 + 2) / 2);
}

TEST(MessageLayout, TextTallerThanTheIconCentresTheIcon) {
  const MessageLayout m =
      LayoutMessage(Input("1\r2\r3\r4\r5\r6", mtInformation, kButtonsOK));  // 78 high
  EXPECT_EQ(m.label.top, 16);
  EXPECT_EQ(m.icon.top, 16 + 39 - 32);
  EXPECT_EQ(m.panel.height, 78 + 32);
}

TEST(MessageButtons, SetsGiveButtonsInBitOrderWithDefaultAndEsc) {
  const auto yes_no = MessageButtons(kButtonsYesNo, mbNo);
  ASSERT_EQ(yes_no.size(), 2u);
  EXPECT_EQ(yes_no[0].name, "BtnDa");
  EXPECT_EQ(yes_no[0].modal_result, mrYes);
  EXPECT_FALSE(yes_no[0].is_default);
  EXPECT_EQ(yes_no[1].name, "BtnNu");
  EXPECT_TRUE(yes_no[1].is_default);
  EXPECT_FALSE(yes_no[0].is_cancel || yes_no[1].is_cancel);  // Esc does nothing

  const auto ok = MessageButtons(kButtonsOK, mbOK);
  ASSERT_EQ(ok.size(), 1u);
  EXPECT_EQ(ok[0].caption, "O&K");
  EXPECT_TRUE(ok[0].is_default && ok[0].is_cancel);

  const auto ok_cancel = MessageButtons(kButtonsOKCancel, mbOK);
  EXPECT_FALSE(ok_cancel[0].is_cancel || ok_cancel[1].is_cancel);
  EXPECT_FALSE(MessageButtons(kButtonsCancel, mbCancel)[0].is_cancel);

  const auto no_cancel = MessageButtons(Btn(mbNo) | Btn(mbCancel), mbNo);
  EXPECT_FALSE(no_cancel[0].is_cancel);
  EXPECT_TRUE(no_cancel[1].is_cancel);

  // Every position, and the ones never shown.
  const auto all = MessageButtons(0xFFFF, 99);
  ASSERT_EQ(all.size(), 11u);
  const char* names[] = {"BtnDa",     "BtnNu",    "BtnOK", "BtnRenunt", "BtnAbandon", "BtnRetry",
                         "BtnIgnora", "BtnToate", "BtnNu", "BtnToate",  "BtnSfaturi"};
  const int results[] = {6, 7, 1, 2, 3, 4, 5, 8, 7, 8, 0};
  for (int i = 0; i < 11; ++i) {
    EXPECT_EQ(all[i].name, names[i]);
    EXPECT_EQ(all[i].modal_result, results[i]);
    EXPECT_FALSE(all[i].is_default);
  }
  EXPECT_TRUE(MessageButtonNamesClash(all));
  EXPECT_TRUE(MessageButtonNamesClash(MessageButtons(Btn(mbAll) | Btn(mbYesToAll), 0)));
  EXPECT_FALSE(
      MessageButtonNamesClash(MessageButtons(0x07FF & ~Btn(mbNoToAll) & ~Btn(mbYesToAll), 0)));
}

TEST(MessageText, SuffixIsAppendedInUpperCase) {
  EXPECT_EQ(MessageText("Introduceti discul 2", ""), "Introduceti discul 2");
  EXPECT_EQ(MessageText("Introduceti discul 2", "Pentru continuare"),
            "Introduceti discul 2,\r\rPENTRU CONTINUARE");
  // Central European letters, and a suffix longer than its 32 characters.
  EXPECT_EQ(MessageText("x",
                        "\xE3\xBA\x9A"
                        "abcdefghijklmnopqrstuvwxyz0123456789"),
            "x,\r\r\xC3\xAA\x8A"
            "ABCDEFGHIJKLMNOPQRSTUVWXYZ012");
}

TEST(MessageKind, DefaultCaptionsAndIcons) {
  EXPECT_EQ(DefaultMessageCaption(mtError), "EROARE !");
  EXPECT_EQ(DefaultMessageCaption(mtWarning), "Atentie !");
  EXPECT_EQ(DefaultMessageCaption(mtCustom), "");
  EXPECT_EQ(MessageIconName(mtConfirmation), "Confirmation");
  EXPECT_EQ(MessageIconName(mtCustom), "");
  EXPECT_EQ(MessageIconName(static_cast<TMsgDlgType>(9)), "");
}

}  // namespace

#include "ui/message/message_shortcuts.h"

namespace {

TEST(MessageShortcuts, ThreeIconClicksSwitchAutomaticDismissal) {
  AutoDismissSwitches s;
  int clicks = 0;
  EXPECT_EQ(OnMessageIconClick(clicks, 1, true, s), IconClickAction::kNone);
  EXPECT_EQ(OnMessageIconClick(clicks, 1, true, s), IconClickAction::kNone);
  EXPECT_EQ(OnMessageIconClick(clicks, 1, true, s), IconClickAction::kCloseWithIgnore);
  EXPECT_EQ(s.close_single, 1);
  EXPECT_EQ(s.press_default, 0);

  // A later one-button message closes itself on the second 300 ms tick.
  AutoDismissPlan plan = PlanAutoDismissal(s, 1, true);
  EXPECT_EQ(plan.action, AutoDismissal::kCloseSingle);
  EXPECT_EQ(plan.period_ms, 300);
  EXPECT_FALSE(AutoDismissTick(plan.initial_tag));
  EXPECT_TRUE(AutoDismissTick(plan.initial_tag));
  EXPECT_EQ(PlanAutoDismissal(s, 2, true).action, AutoDismissal::kNone);
  EXPECT_EQ(PlanAutoDismissal(s, 1, false).action, AutoDismissal::kNone);

  // Three more clicks switch it off again.
  clicks = 0;
  for (int i = 0; i < 3; ++i) OnMessageIconClick(clicks, 1, true, s);
  EXPECT_EQ(s.close_single, 0);

  // On a message with two buttons the clicks press the default and arm default-pressing.
  clicks = 2;
  EXPECT_EQ(OnMessageIconClick(clicks, 2, true, s), IconClickAction::kPressDefault);
  EXPECT_EQ(s.press_default, 1);
  EXPECT_EQ(PlanAutoDismissal(s, 3, true).action, AutoDismissal::kPressDefault);
  clicks = 2;
  EXPECT_EQ(OnMessageIconClick(clicks, 2, false, s), IconClickAction::kNone);
  EXPECT_EQ(s.press_default, 0);
}

}  // namespace
