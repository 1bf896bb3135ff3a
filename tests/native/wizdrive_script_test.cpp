// The driver's script language: what a line means, and which lines are refused before a run.
#include <gtest/gtest.h>

#include "script.h"

using namespace wizdrive;

TEST(WizdriveScript, ReadsEachActionWithItsArguments) {
  const Script s = ParseScript(
      "\xEF\xBB\xBF# a fresh installation\r\n"
      "\r\n"
      "timeout 2.5\r\n"
      "wait-window \"Alegeti tipul instalarii!\"  # the first page\r\n"
      "click \" &LOCAL \"\r\n"
      "type 1 \"C:\\Win Vort\"\n"
      "type \"1\" \"say \"\"hi\"\"\"\n"
      "key alt+c\n"
      "shot page-1 window\n"
      "click-at 10 -4\n"
      "click-mouse \"O&K\"\n"
      "disk 2\n"
      "wait-exit INSTVORT.EXE\n"
      "click \"#1\"\n"
      "sleep 0\n"
      "dump");
  ASSERT_EQ(s.error, "");
  ASSERT_EQ(s.actions.size(), 14u);
  const auto& a = s.actions;
  EXPECT_EQ(a[0].verb, Verb::kTimeout);
  EXPECT_EQ(a[0].milliseconds, 2500);
  EXPECT_EQ(a[0].line, 3);
  EXPECT_EQ(a[1].verb, Verb::kWaitWindow);
  EXPECT_EQ(a[1].text, "Alegeti tipul instalarii!");
  EXPECT_EQ(a[1].source, "wait-window \"Alegeti tipul instalarii!\"  # the first page");
  EXPECT_EQ(a[2].text, " &LOCAL ");
  EXPECT_EQ(a[3].field.index, 1);
  EXPECT_EQ(a[3].text, "C:\\Win Vort");  // backslashes are plain characters
  EXPECT_EQ(a[4].field.index, 0);        // a quoted number is a label
  EXPECT_EQ(a[4].field.label, "1");
  EXPECT_EQ(a[4].text, "say \"hi\"");
  EXPECT_TRUE(a[5].key.alt);
  EXPECT_EQ(a[5].key.code, 'C');
  EXPECT_EQ(a[6].text, "page-1");
  EXPECT_TRUE(a[6].whole_window);
  EXPECT_EQ(a[7].x, 10);
  EXPECT_EQ(a[7].y, -4);
  EXPECT_EQ(a[8].verb, Verb::kClickMouse);
  EXPECT_EQ(a[8].text, "O&K");
  EXPECT_EQ(a[9].verb, Verb::kDisk);
  EXPECT_EQ(a[9].x, 2);
  EXPECT_EQ(a[10].text, "INSTVORT.EXE");
  EXPECT_EQ(a[11].text, "#1");  // a hash inside quotes is text
  EXPECT_EQ(a[12].milliseconds, 0);
  EXPECT_EQ(a[13].verb, Verb::kDump);
  EXPECT_EQ(a[13].line, 16);
}

TEST(WizdriveScript, RefusesABadLineNamingIt) {
  const struct {
    const char* script;
    const char* error;
  } cases[] = {
      {"dump\nclik \"OK\"", "line 2: unknown action \"clik\""},
      {"click \"OK", "line 1: unclosed quote"},
      {"click", "line 1: expected click CAPTION"},
      {"click OK Cancel", "line 1: expected click CAPTION"},
      {"\"click\" OK", "line 1: unknown action \"click\""},
      {"wait-text \"\"", "line 1: the text must not be empty"},
      {"key ENTRE", "line 1: unknown key \"ENTRE\""},
      {"shot ../up", "line 1: a shot name is letters, digits, '-', '_' and inner dots"},
      {"shot a\\b", "line 1: a shot name is letters, digits, '-', '_' and inner dots"},
      {"shot C:x", "line 1: a shot name is letters, digits, '-', '_' and inner dots"},
      {"shot page screen", "line 1: the second word of shot can only be \"window\""},
      {"disk 0", "line 1: the disk number must be 1 to 99"},
      {"disk two", "line 1: the disk number must be 1 to 99"},
      {"timeout 0", "line 1: the timeout must be a positive number of seconds, at most 3600"},
      {"timeout 1.2345", "line 1: the timeout must be a positive number of seconds, at most 3600"},
      {"sleep -1", "line 1: sleep takes a number of seconds, at most 3600"},
      {"sleep 3601", "line 1: sleep takes a number of seconds, at most 3600"},
      {"click-at 1 x", "line 1: X and Y must be whole numbers"},
      {"type \"\" x", "line 1: empty field label"},
  };
  for (const auto& c : cases) {
    const Script s = ParseScript(c.script);
    EXPECT_EQ(s.error, c.error) << c.script;
  }
}

TEST(WizdriveScript, KeyNames) {
  Key k;
  ASSERT_TRUE(ParseKey("ENTER", &k));
  EXPECT_EQ(k.code, 0x0D);
  EXPECT_FALSE(k.alt || k.ctrl || k.shift);
  ASSERT_TRUE(ParseKey("esc", &k));
  EXPECT_EQ(k.code, 0x1B);
  ASSERT_TRUE(ParseKey("F4", &k));
  EXPECT_EQ(k.code, 0x73);
  ASSERT_TRUE(ParseKey("Ctrl+Shift+Tab", &k));
  EXPECT_EQ(k.code, 0x09);
  EXPECT_TRUE(k.ctrl && k.shift && !k.alt);
  ASSERT_TRUE(ParseKey("alt+n", &k));
  EXPECT_EQ(k.code, 'N');
  ASSERT_TRUE(ParseKey("7", &k));
  EXPECT_EQ(k.code, '7');
  for (const char* bad : {"", "ALT+", "HYPER+X", "F13", "F0", "&", "AB"}) {
    EXPECT_FALSE(ParseKey(bad, &k)) << bad;
  }
}
