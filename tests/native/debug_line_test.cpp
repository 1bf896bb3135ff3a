#include "log/debug_line.h"

#include <gtest/gtest.h>

TEST(DebugTimeTag, FieldsArePaddedAndEndInABlank) {
  EXPECT_EQ(DebugTimeTag(0), " <TIMP 00:00:00.000 > ");
  EXPECT_EQ(DebugTimeTag(7), " <TIMP 00:00:00.007 > ");
  // 59,999 ms after a full minute.
  EXPECT_EQ(DebugTimeTag(13 * 3600000u + 42 * 60000u + 59999u), " <TIMP 13:42:59.999 > ");
  EXPECT_EQ(DebugTimeTag(86399999u), " <TIMP 23:59:59.999 > ");
}

TEST(DebugLines, BarsAppearOnlyBelowTheTopLevel) {
  EXPECT_EQ(DebugBeginContent(0, "DoConfigBDE"), "BEGIN => DoConfigBDE");
  EXPECT_EQ(DebugEndContent(0, "DoConfigBDE"), "END <- DoConfigBDE");
  EXPECT_EQ(DebugBeginContent(1, "Title init"), " | |BEGIN => Title init");
  EXPECT_EQ(DebugEndContent(2, "x"), " | | |END <- x");
}

TEST(DebugLines, NotesAreIndentedByDepth) {
  EXPECT_EQ(DebugNoteContent(0, "hello"), "  *       hello");
  EXPECT_EQ(DebugNoteContent(1, "hello"), "    *       hello");
  EXPECT_EQ(DebugNoteContent(0, DebugErrorText("eroare", -3)), "  *       eroare / -3");
}
