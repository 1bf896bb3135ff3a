#include "os/text_encoding.h"

#include <gtest/gtest.h>

#include "os/ansi_code_page.h"
#include "os/os.h"

namespace {

// "Ștefan Țurcanu, Vânzări" and a character beyond the first 65,536 (a pair in UTF-16).
const std::string kRomanian =
    "\xC8\x98tefan \xC8\x9Aurcanu, V\xC3\xA2nz\xC4\x83ri \xF0\x9F\x93\x81";
const std::u16string kRomanianUnits = u"\u0218tefan \u021Aurcanu, V\u00E2nz\u0103ri \U0001F4C1";

TEST(TextEncoding, RomanianNamesGoThereAndBackWhole) {
  EXPECT_EQ(os::Utf8ToUtf16(kRomanian), kRomanianUnits);
  EXPECT_EQ(os::Utf16ToUtf8(kRomanianUnits), kRomanian);
  EXPECT_EQ(os::Utf16Length(kRomanian), kRomanianUnits.size());
  EXPECT_EQ(os::Utf8ToUtf16(std::string("C:\\a\0b", 6)), std::u16string(u"C:\\a\0b", 6));
}

// Each of these must fail as a whole: a path converted in part would name another file.
TEST(TextEncoding, BytesThatAreNoUtf8AreRefusedWithWhere) {
  const struct {
    std::string bytes;
    const char* at;
  } cases[] = {
      {"C:\\V\xE2nz\xE3ri", "octetul 5"},     // code page 1250, not UTF-8
      {"C:\\Vanz\xC4", "octetul 8"},          // cut inside a character
      {"C:\\\x80", "octetul 4"},              // a continuation byte alone
      {"C:\\\xC0\xAF", "octetul 4"},          // "/" spelled overlong
      {"C:\\\xE0\x80\xAF", "octetul 4"},      // the same in three bytes
      {"C:\\\xED\xA0\x80", "octetul 4"},      // a surrogate encoded
      {"C:\\\xF4\x90\x80\x80", "octetul 4"},  // above U+10FFFF
      {"\xFF", "octetul 1"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(os::Utf8ToUtf16(c.bytes, &error)) << c.bytes;
    EXPECT_NE(error.find(c.at), std::string::npos) << error;
    EXPECT_FALSE(os::Utf16Length(c.bytes)) << c.bytes;
  }
}

TEST(TextEncoding, UnpairedSurrogatesAreRefusedWithWhere) {
  const struct {
    std::u16string units;
    const char* at;
  } cases[] = {
      {u"C:\\a\xD83D", "pozitia 5"},             // a high half at the end
      {u"C:\\\xDC01x", "pozitia 4"},             // a low half alone
      {u"C:\\\xD83D\xD83D\xDC01", "pozitia 4"},  // a high half before another pair
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(os::Utf16ToUtf8(c.units, &error));
    EXPECT_NE(error.find(c.at), std::string::npos) << error;
  }
}

TEST(TextEncoding, ShownTextsMarkWhatCannotBeConverted) {
  EXPECT_EQ(os::Utf8ToUtf16Shown("a\xE2z"), u"a\uFFFDz");
  EXPECT_EQ(os::Utf16ToUtf8Shown(u"a\xD800z"), "a\xEF\xBF\xBDz");
  EXPECT_EQ(os::Utf8ToUtf16Shown(kRomanian), kRomanianUnits);
  // The log: a name in code page 1250 is written exactly, as escapes, beside UTF-8 as it is.
  EXPECT_EQ(os::Utf8Escaped(std::string("C:\\\xCEncas\xE3ri ") + kRomanian),
            std::string("C:\\\\xCEncas\\xE3ri ") + kRomanian);
  EXPECT_EQ(os::Utf8Escaped("\xC0\x80\xED\xA0\x80"), "\\xC0\\x80\\xED\\xA0\\x80")
      << "overlong forms and surrogates are no UTF-8";
}

}  // namespace

#ifdef _WIN32
// The interfaces of the ANSI code page. "Ș" (comma below) is in none of Windows' code pages, so
// whatever code page the tests run under, a name holding it needs a short name or is refused.
TEST(AnsiPathForm, AFolderGoesByItsShortNameAndOneNotYetMadeIsRefused) {
  const std::string plain = os::WithoutTrailingBackslash(*os::GetEnv("TEMP"));
  ASSERT_TRUE(os::ToAnsiCodePage(plain).has_value()) << plain;
  EXPECT_EQ(os::AnsiPathForm(plain), plain);

  const std::string folder = plain + "\\\xC8\x98tefan Ionescu " + std::to_string(os::TickCount());
  ASSERT_TRUE(os::MakeDirectory(folder));
  const std::optional<std::string> form = os::AnsiPathForm(folder);
  ASSERT_TRUE(form.has_value());
  EXPECT_NE(*form, folder);
  EXPECT_TRUE(os::ToAnsiCodePage(*form).has_value()) << *form;
  EXPECT_EQ(os::LongPathForm(*form), folder);

  std::string reason;
  EXPECT_FALSE(os::AnsiPathForm(folder + "\\\xC8\x9A"
                                         "ar\xC4\x83",
                                &reason)
                   .has_value());
  EXPECT_NE(reason.find("pagina de cod"), std::string::npos) << reason;
  EXPECT_TRUE(os::RemoveEmptyDirectory(folder));
}
#endif
