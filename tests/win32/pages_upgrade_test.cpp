// The locating and database upgrade pages driven as a user would, over the upgrade library
// stand-in, which answers the alias path from the engine stand-in's alias file and leaves a
// trace of every task in the data directory.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <functional>
#include <memory>

#include "os/text_encoding.h"
#include "state/install_state.h"
#include "support/form_driver.h"
#include "support/page_harness.h"
#include "support/page_support.h"
#include "support/process.h"
#include "support/screen_pixels.h"
#include "support/temp_dir.h"
#include "ui/core/fmt_caption.h"
#include "upgrade/system_probe_win32.h"
#include "upgrade/upgrade_library.h"
#include "upgrade/upgrade_library_wrappers.h"
#include "wizard/task_line.h"
#include "wizard/upgrade/find_app_page.h"
#include "wizard/upgrade/upg_data_page.h"

using namespace testing_support;

namespace {

constexpr char kFailVariable[] = "VORT_UPGRADE_FAIL";

// Both libraries load from a scratch directory, so the alias file beside the engine is the
// test's own.
class UpgradePages : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"IDAPI32.DLL", "UPGRADE.DLL"}) {
      ASSERT_TRUE(CopyFileA((BinDir() + name).c_str(), work.File(name).c_str(), FALSE));
    }
    engine_ = LoadLibraryA(work.File("IDAPI32.DLL").c_str());
    ASSERT_NE(engine_, nullptr);
    ASSERT_TRUE(upgrade::LoadUpgradeLibraryFrom(work.str()));
    SetEnvironmentVariableA(kFailVariable, nullptr);
  }
  void TearDown() override {
    upgrade::UnloadUpgradeLibrary();
    if (engine_) FreeLibrary(engine_);
    SetEnvironmentVariableA(kFailVariable, nullptr);
  }

  void SetAlias(const std::string& path) {
    work.Write("IDAPI32.CFG", "VORTEL\tPARADOX\t" + path + "\r\n");
  }

  ToolkitScope toolkit_;
  TempDir work;
  TInstallState state;
  upgrade::UpgradeLibraryWrappers library;

 private:
  HMODULE engine_ = nullptr;
};

// The locating page with the profile in a file of the test's own.
class FindAppPage : public UpgradePages {
 protected:
  void SetUp() override {
    UpgradePages::SetUp();
    program_dir = work.str() + "Vort\\";
    work.Write("Vort\\VORTEL.EXE", std::string(1000001, 'x'));
    work.Write("win.ini", "[Vortel]\r\nAppPath=" + program_dir + "\r\n");
  }
  TFindApp* NewPage() { return CreateForm<TFindApp>(&Application, state, library, probe); }

  std::string program_dir;
  upgrade::SystemProbeWin32 probe{work.File("win.ini")};
};

// The database upgrade page over a data directory that exists.
class UpgDataPage : public UpgradePages {
 protected:
  void SetUp() override {
    UpgradePages::SetUp();
    work.Write("Date\\TABELE.DB", "");
    SetAlias(work.File("Date"));
  }
  TUpgData* NewPage() { return CreateForm<TUpgData>(&Application, state, library); }
  std::string Trace() { return work.Read("Date\\UPGRADE.TRC"); }

  // Shows the page, lets `before` act on it, presses "&Continua", lets `after` look at the page
  // still on screen, and answers the result.
  int Run(TUpgData& page, const std::function<void(TForm&)>& before = nullptr,
          const std::function<void(TForm&)>& after = nullptr) {
    PageHarness harness;
    harness.Then([&](TForm& form) {
      if (before) before(form);
      EXPECT_TRUE(Click(page.BNext));
      if (after) after(form);
    });
    const int result = page.ShowModal();
    messages = harness.Messages();
    return result;
  }
  // Which check marks show and which task lines are done.
  static void ExpectTasks(TUpgData& page, std::array<bool, 3> marked, std::array<bool, 3> done) {
    const TPanel* lines[] = {page.BStruct, page.BLists, page.BConst};
    for (int task = 0; task < 3; ++task) {
      EXPECT_EQ(page.Lk[task]->Visible(), marked[task]) << "mark of task " << task + 1;
      EXPECT_EQ(TaskLineDone(*lines[task]), done[task]) << "line of task " << task + 1;
    }
  }

  std::vector<SeenMessage> messages;
};

}  // namespace

TEST_F(FindAppPage, DataDirectoryIsTheAliasWithoutItsDataFolder) {
  const struct {
    const char* alias;
    const char* data;
  } cases[] = {
      {"D:\\APP\\DATA\\", "D:\\APP"}, {"D:\\APP\\data", "D:\\APP"}, {"D:\\APP\\DB", "D:\\APP\\DB"}};
  for (const auto& c : cases) {
    SetAlias(c.alias);
    std::unique_ptr<TFindApp> page(NewPage());
    EXPECT_EQ(state.DataDirOffered, c.data) << c.alias;
    EXPECT_EQ(state.InstallType, itLocal) << c.alias;
  }
}

TEST_F(FindAppPage, FirstClickSearchesAndTheSecondAcceptsBothDirectories) {
  SetAlias("D:\\APP\\DATA\\");
  std::unique_ptr<TFindApp> page(NewPage());
  PageHarness script({[&](TForm& form) {
    EXPECT_EQ(form.Caption(), "Apasati 'Continua' pentru a localiza aplicatia!");
    EXPECT_EQ(page->fields.program->Text(), "");
    EXPECT_FALSE(page->fields.data->Enabled());
    EXPECT_TRUE(Click(page->BNext));
    EXPECT_EQ(page->ModalResult(), mrNone) << "the search never closes the page";
    EXPECT_EQ(page->fields.program->Text(), program_dir);
    EXPECT_EQ(page->fields.data->Text(), "D:\\APP");
    EXPECT_EQ(page->dirlabel->Caption(), "");
    EXPECT_EQ(form.Caption(), "Confirmati corectitudinea directorului program");
    EXPECT_EQ(page->TitleBar1->Caption(), form.Caption());
    SavePageShot(form, "find-app-page");
    EXPECT_TRUE(Click(page->BNext));
  }});
  EXPECT_EQ(page->ShowModal(), mrOk);
  EXPECT_EQ(state.ProgramDir, program_dir);
  EXPECT_EQ(state.DataDir, "D:\\APP");
  EXPECT_EQ(state.InstallType, itLocal);
}

TEST_F(FindAppPage, DatabaseOnAShareIsAClientInstallation) {
  SetAlias("\\\\server\\share\\DATA");
  std::unique_ptr<TFindApp> page(NewPage());
  EXPECT_EQ(state.DataDirOffered, "\\\\server\\share");
  EXPECT_EQ(state.InstallType, itClient);
  PageHarness script({[&](TForm&) {
    EXPECT_TRUE(Click(page->BNext));
    EXPECT_EQ(page->fields.data->Text(), "Am detectat o instalare client");
    EXPECT_TRUE(Click(page->BNext));
  }});
  EXPECT_EQ(page->ShowModal(), mrOk);
  EXPECT_EQ(state.DataDir, "\\\\server\\share");
  EXPECT_EQ(state.InstallType, itClient);
}

TEST_F(FindAppPage, ChosenDirectoryCountsOnlyWithAProgramOverAMillionBytes) {
  SetAlias("D:\\APP\\DATA");
  work.Write("Mic\\VORTEL.EXE", std::string(1000000, 'x'));
  work.Write("Mare\\VORTEL.EXE", std::string(1000001, 'x'));
  std::unique_ptr<TFindApp> page(NewPage());
  std::string preset;
  const auto choose = [&](const std::string& directory) {
    return [&, directory](TForm& chooser) {
      auto* list = dynamic_cast<TDirectoryListBox*>(FindByName(chooser, "dirs"));
      ASSERT_NE(list, nullptr);
      if (preset.empty()) preset = list->Directory();
      list->SetDirectory(directory);
      EXPECT_TRUE(ClickCaption(chooser, "OK"));
    };
  };
  PageHarness script({[&](TForm&) {
                        EXPECT_TRUE(Click(page->BNext));
                        EXPECT_TRUE(Click(page->fields.program_button));
                        EXPECT_EQ(page->dirlabel->Caption(), "Nu gasesc instalare de VORTEL...");
                        EXPECT_EQ(page->fields.program->Text(), work.str() + "Mic\\");
                        EXPECT_FALSE(page->BNext->Enabled());
                        EXPECT_TRUE(Click(page->fields.program_label))
                            << "the label chooses as well";
                        EXPECT_EQ(page->dirlabel->Caption(), "");
                        EXPECT_TRUE(page->BNext->Enabled());
                        EXPECT_TRUE(Click(page->BNext));
                      },
                      choose(work.File("Mic")), choose(work.File("Mare"))});
  EXPECT_EQ(page->ShowModal(), mrOk);
  EXPECT_EQ(preset, program_dir.substr(0, program_dir.size() - 1))
      << "the chooser starts at the directory found";
  EXPECT_EQ(state.ProgramDir, work.str() + "Mare\\");
}

TEST_F(UpgDataPage, AllTasksRunInOrderAndKeepTheirMarks) {
  std::unique_ptr<TUpgData> page(NewPage());
  const int result = Run(
      *page,
      [&](TForm& form) {
        ExpectTasks(*page, {false, false, false}, {false, false, false});
        EXPECT_TRUE(page->L1->Visible());
        EXPECT_EQ(page->L1->Caption(), "Asteapta...");
        SavePageShot(form, "upgrade-data-page");
      },
      [](TForm& form) { SavePageShot(form, "upgrade-data-page-done"); });
  EXPECT_EQ(result, mrOk);
  EXPECT_TRUE(messages.empty()) << "no message";
  ExpectTasks(*page, {true, true, true}, {true, true, true});
  EXPECT_FALSE(page->L1->Visible());
  EXPECT_EQ(page->L1->Caption(), "Actualizare constante: gata") << "the library's last text";
  EXPECT_FALSE(page->BBack->Enabled());
  EXPECT_FALSE(page->BCancel->Enabled());
  EXPECT_EQ(Trace(),
            "DoStructureUpgrade quick=0 ok\r\nDoListUpgrade quick=0 ok\r\n"
            "DoConstUpgrade quick=0 ok\r\n");
}

// A mark's text is UTF-8 like every caption, and in the mark's own font it reaches the glyph
// that the font's byte 0xFC, its check mark, reaches through the symbol code page.
TEST_F(UpgDataPage, MarksShowTheCheckMarkOfTheirFont) {
  std::unique_ptr<TUpgData> page(NewPage());
  HDC dc = CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  for (int task = 0; task < 3; ++task) {
    TFmtLabel& mark = *page->Lk[task];
    HGDIOBJ previous = SelectObject(dc, mark.Font().Handle());
    WORD check = 0;
    ASSERT_EQ(GetGlyphIndicesA(dc, "\xFC", 1, &check, GGI_MARK_NONEXISTING_GLYPHS), 1u);
    ASSERT_NE(check, 0xFFFF) << "the font has a check mark";
    const std::vector<FmtLine> lines = ParseFmtCaption(mark.Caption(), {});
    ASSERT_EQ(lines.size(), 1u);
    std::string shown;
    for (const FmtSegment& segment : lines.front()) shown += segment.text;
    const std::optional<std::wstring> wide = os::Wide(shown);
    ASSERT_TRUE(wide) << "mark of task " << task + 1;
    ASSERT_EQ(wide->size(), 1u) << "mark of task " << task + 1;
    WORD glyph = 0;
    EXPECT_EQ(GetGlyphIndicesW(dc, wide->c_str(), 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS), 1u);
    EXPECT_EQ(glyph, check) << "mark of task " << task + 1;
    SelectObject(dc, previous);
  }
  DeleteDC(dc);
}

TEST_F(UpgDataPage, ClearedBoxSkipsItsTask) {
  std::unique_ptr<TUpgData> page(NewPage());
  EXPECT_EQ(Run(*page,
                [&](TForm&) {
                  EXPECT_TRUE(Click(page->Ck[1]));
                  EXPECT_FALSE(page->Ck[1]->Checked());
                }),
            mrOk);
  ExpectTasks(*page, {true, false, true}, {true, false, true});
  EXPECT_EQ(Trace(), "DoStructureUpgrade quick=0 ok\r\nDoConstUpgrade quick=0 ok\r\n");
}

// A failed task is marked as failed, the next one still runs, and the page stays until the person
// has seen it and goes on; the end page then lists it.
TEST_F(UpgDataPage, FailedTaskIsMarkedAndThePageWaitsForThePerson) {
  SetEnvironmentVariableA(kFailVariable, "lists");
  std::unique_ptr<TUpgData> page(NewPage());
  std::string failed_mark;
  EXPECT_EQ(Run(*page, nullptr,
                [&](TForm&) {
                  testing_support::Pump(200);
                  EXPECT_EQ(page->ModalResult(), 0) << "the page stays after the failure";
                  failed_mark = page->Lk[1]->Caption();
                  EXPECT_TRUE(page->BNext->Enabled());
                  EXPECT_TRUE(Click(page->BNext));
                }),
            mrOk);
  ExpectTasks(*page, {true, true, true}, {true, true, true});
  EXPECT_NE(failed_mark, page->Lk[0]->Caption()) << "the failed task's mark is not a check";
  EXPECT_EQ(Trace(),
            "DoStructureUpgrade quick=0 ok\r\nDoListUpgrade quick=0 failed\r\n"
            "DoConstUpgrade quick=0 ok\r\n");
  EXPECT_EQ(state.Failures, std::vector<std::string>{"Actualizare liste: eroare in baza de date"});
  EXPECT_TRUE(messages.empty()) << "the mark is the only report";
}

TEST_F(UpgDataPage, AltQTogglesQuickVerificationForTheLibrary) {
  std::unique_ptr<TUpgData> twice(NewPage());
  EXPECT_EQ(Run(*twice,
                [&](TForm& form) {
                  PressWithAlt('Q', form.Handle());
                  EXPECT_TRUE(twice->QuickVerification());
                  EXPECT_EQ(twice->L1->Font().Color(), 0x0000FF);
                  PressWithAlt('Q', form.Handle());
                  EXPECT_FALSE(twice->QuickVerification());
                  EXPECT_EQ(twice->L1->Font().Color(), 0);
                  PressWithAlt('W', form.Handle());
                  EXPECT_FALSE(twice->QuickVerification()) << "other keys do nothing";
                }),
            mrOk);
  EXPECT_EQ(Trace(),
            "DoStructureUpgrade quick=0 ok\r\nDoListUpgrade quick=0 ok\r\n"
            "DoConstUpgrade quick=0 ok\r\n");

  std::unique_ptr<TUpgData> once(NewPage());
  EXPECT_EQ(Run(*once, [&](TForm& form) { PressWithAlt('Q', form.Handle()); }), mrOk);
  EXPECT_NE(Trace().find("DoStructureUpgrade quick=1 ok\r\nDoListUpgrade quick=1 ok\r\n"
                         "DoConstUpgrade quick=1 ok\r\n"),
            std::string::npos);
}
