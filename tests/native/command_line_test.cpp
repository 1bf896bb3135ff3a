#include "app/command_line.h"

#include <gtest/gtest.h>

#include <tuple>

#include "app/answer_file.h"
#include "os/text_encoding.h"
#include "support/temp_dir.h"

TEST(LogSwitch, NeedsTwoParametersAndTheExactSpelling) {
  EXPECT_FALSE(LogRequested({}));
  EXPECT_FALSE(LogRequested({"-log"}));
  EXPECT_TRUE(LogRequested({"-log", "x"}));
  EXPECT_TRUE(LogRequested({"-log", "-log", "-log", "-log"}));
  EXPECT_FALSE(LogRequested({"-LOG", "-LOG"}));
  EXPECT_FALSE(LogRequested({"x", "-log"}));
}

TEST(Switches, AreReadInAnyCaseWithEitherMarkAndEveryBadOneIsNamed) {
  const TSetupOptions o = ParseCommandLine(
      {"-log", "-log", "/silent", "-TYPE=server", "/Dir=C:\\Program Files\\Vortel", "word",
       "/DataDir=D:\\Date", "/answers=a.ini", "/LOG=C:\\setup.log", "/NoRestart", "-LOG",
       "/ServerDatabase=yes", "/SYSTEMCOMPONENT", "/Permissions=inherit", "/AllowUnsigned"});
  EXPECT_TRUE(o.errors.empty());
  EXPECT_EQ(o.mode, TRunMode::kSilent);
  EXPECT_EQ(o.answers.type, itServer);
  EXPECT_EQ(o.answers.program_dir, "C:\\Program Files\\Vortel");
  EXPECT_EQ(o.answers.data_dir, "D:\\Date");
  EXPECT_EQ(o.answers_file, "a.ini");
  EXPECT_EQ(o.log_file, "C:\\setup.log");
  EXPECT_TRUE(o.no_restart);
  EXPECT_EQ(o.answers.server_database, true);
  EXPECT_TRUE(o.system_component);
  EXPECT_EQ(o.answers.inherit_permissions, true);
  EXPECT_EQ(o.answers.allow_unsigned, true);
  EXPECT_EQ(o.switches.size(), 11u) << "the historic switches and plain words are not handed on";

  EXPECT_EQ(ParseCommandLine({"/VERYSILENT", "/SILENT"}).mode, TRunMode::kVerySilent);
  EXPECT_EQ(ParseCommandLine({"/REPAIR", "/PLAN=plan.txt"}).errors,
            std::vector<std::string>{"/REPAIR"})
      << "a dry run would repair for real";
  const TSetupOptions bad =
      ParseCommandLine({"/TYPE=NETWORK", "/BOGUS", "/DIR=", "/SILENT=1", "/VERYSILENT",
                        "/SERVERDATABASE=maybe", "/PERMISSIONS=OPEN", "/ALLOWUNSIGNED=NO"});
  EXPECT_EQ(bad.errors, (std::vector<std::string>{"/TYPE=NETWORK", "/BOGUS", "/DIR=", "/SILENT=1",
                                                  "/SERVERDATABASE=maybe", "/PERMISSIONS=OPEN",
                                                  "/ALLOWUNSIGNED=NO"}));
}

TEST(Switches, AreHandedOnSoThatTheProgramReadsThemBackExactly) {
  EXPECT_EQ(QuoteArgument("/SILENT"), "\"/SILENT\"");
  EXPECT_EQ(QuoteArgument("/DIR=C:\\Program Files\\"), "\"/DIR=C:\\Program Files\\\\\"")
      << "a backslash before the closing quote is doubled";
  EXPECT_EQ(QuoteArgument("a\"b"), "\"a\\\"b\"");
  EXPECT_EQ(QuoteArgument("a\\\"b"), "\"a\\\\\\\"b\"");
  EXPECT_EQ(QuoteArgument("C:\\A\\B"), "\"C:\\A\\B\"") << "inner backslashes stay single";
}

TEST(AnswerFile, ReadsBackWhatWasWrittenAndNamesWhatIsWrong) {
  testing_support::TempDir dir;
  TAnswers given;
  given.type = itClient;
  given.program_dir = "C:\\Programe\\Vortel";
  given.database = "\\\\server\\date";
  given.server_database = true;
  given.restart_if_needed = false;
  given.inherit_permissions = true;
  ASSERT_TRUE(WriteAnswerFile(dir.File("a.ini"), given));
  std::string error;
  const std::optional<TAnswers> read = ReadAnswerFile(dir.File("a.ini"), error);
  ASSERT_TRUE(read) << error;
  EXPECT_EQ(read->type, itClient);
  EXPECT_EQ(read->program_dir, given.program_dir);
  EXPECT_EQ(read->database, given.database);
  EXPECT_EQ(read->server_database, true);
  EXPECT_EQ(read->restart_if_needed, false);
  EXPECT_EQ(read->inherit_permissions, true);
  EXPECT_FALSE(read->data_dir);

  dir.Write(
      "b.ini",
      "[Setup]\r\ntype=server\r\nRestart=IfNeeded\r\nServerDatabase=no\r\nAllowUnsigned=Yes\r\n");
  const std::optional<TAnswers> lower = ReadAnswerFile(dir.File("b.ini"), error);
  ASSERT_TRUE(lower) << error;
  EXPECT_EQ(lower->type, itServer);
  EXPECT_EQ(lower->restart_if_needed, true);
  EXPECT_EQ(lower->server_database, false);
  EXPECT_EQ(lower->allow_unsigned, true);

  dir.Write("c.ini", "[Setup]\r\nProgramDirr=C:\\X\r\n");
  EXPECT_FALSE(ReadAnswerFile(dir.File("c.ini"), error));
  EXPECT_NE(error.find("ProgramDirr"), std::string::npos) << error;
  dir.Write("d.ini", "[Setup]\r\nType=Network\r\n");
  EXPECT_FALSE(ReadAnswerFile(dir.File("d.ini"), error));
  EXPECT_NE(error.find("Type=Network"), std::string::npos) << error;
  dir.Write("e.ini", "[Setup]\r\nPermissions=Open\r\n");
  EXPECT_FALSE(ReadAnswerFile(dir.File("e.ini"), error));
  EXPECT_NE(error.find("Permissions=Open"), std::string::npos) << error;
  EXPECT_FALSE(ReadAnswerFile(dir.File("none.ini"), error));
  EXPECT_NE(error.find("none.ini"), std::string::npos) << error;
}

// Notepad saves "UTF-8" with a byte-order mark and "Unicode" as UTF-16; every answer is taken,
// and what cannot be taken is refused with its line, never dropped.
TEST(AnswerFile, TakesEveryEncodingAnEditorSavesAndNamesTheLineItRefuses) {
  testing_support::TempDir dir;
  const std::string program =
      "C:\\Programe\\\xC3\x8E"
      "ncas\xC4\x83ri \xC8\x9A"
      "ar\xC4\x83";
  const std::string text = "; saved by Notepad\r\n[Setup]\r\nType=SERVER\r\nProgramDir=" + program +
                           "\r\nDataDir = \"C:\\Date\"\r\n";
  std::string utf16 = "\xFF\xFE";
  const std::u16string units = os::Utf8ToUtf16(text).value();
  for (const char16_t unit : units) {
    utf16 += static_cast<char>(unit & 0xFF);
    utf16 += static_cast<char>(unit >> 8);
  }
  for (const auto& [name, bytes, encoding] : {std::tuple<const char*, std::string, const char*>{
                                                  "bom.ini", "\xEF\xBB\xBF" + text, "UTF-8 cu BOM"},
                                              {"plain.ini", text, "UTF-8"},
                                              {"unicode.ini", utf16, "UTF-16 (Unicode)"}}) {
    dir.Write(name, bytes);
    std::string error, read_as;
    const std::optional<TAnswers> read = ReadAnswerFile(dir.File(name), error, &read_as);
    ASSERT_TRUE(read) << name << ": " << error;
    EXPECT_EQ(read_as, encoding) << name;
    EXPECT_EQ(read->type, itServer) << name;
    EXPECT_EQ(read->program_dir, program) << name;
    EXPECT_EQ(read->data_dir, "C:\\Date") << name << ": quotes and blanks go";
  }

  std::string error, read_as;
  dir.Write("ansi.ini", "[Setup]\r\nProgramDir=C:\\Date \xCEncas\xE3ri\r\n");
  ASSERT_TRUE(ReadAnswerFile(dir.File("ansi.ini"), error, &read_as)) << error;
  EXPECT_EQ(read_as.rfind("ANSI (pagina de cod ", 0), 0u) << read_as;
  dir.Write("broken.ini", "\xEF\xBB\xBF[Setup]\r\nProgramDir=C:\\\xCE\r\n");
  EXPECT_FALSE(ReadAnswerFile(dir.File("broken.ini"), error)) << "a UTF-8 mark over other bytes";

  for (const auto& [bytes, names] :
       {std::pair<std::string, std::string>{"[Install]\r\nType=SERVER\r\n", "[Setup]"},
        {"[Setup]\r\n\r\nType=SERVR\r\n", "linia 3: valoare gresita Type=SERVR"},
        {"[Setup]\r\nServerDatabase=Poate\r\n", "linia 2"},
        {"[Setup]\r\nType=LOCAL\r\ntype=SERVER\r\n", "linia 3"},
        {"[Setup]\r\nSERVER\r\n", "linia 2"}}) {
    dir.Write("wrong.ini", bytes);
    EXPECT_FALSE(ReadAnswerFile(dir.File("wrong.ini"), error)) << bytes;
    EXPECT_NE(error.find(names), std::string::npos) << error;
  }
}
