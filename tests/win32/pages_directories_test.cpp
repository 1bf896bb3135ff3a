// The directories page for each installation type, with its directory dialog.
#include <gtest/gtest.h>

#include "os/os.h"
#include "pages_toolkit.h"
#include "state/install_state.h"
#include "support/page_harness.h"
#include "support/page_support.h"
#include "support/temp_dir.h"
#include "ui/controls/active_edit.h"
#include "wizard/directory_dialog.h"
#include "wizard/fresh/directories_page.h"

using testing_support::Click;
using testing_support::ClickCaption;
using testing_support::FindByName;
using testing_support::PageHarness;
using testing_support::TempDir;
using testing_support::TypeText;

namespace {

constexpr const char* kTitle = "Alegeti directoarele destinatie!";
constexpr const char* kDialog = "Alegeti calea!";
constexpr const char* kClientMessage = "La instalarea client baza de date trebuie sa existe!";

TInstallState Fresh(TInstallType type, const TempDir& dir) {
  TInstallState state;
  state.InstallType = type;
  state.ProgramDirOffered = dir.str() + "WinVort";
  state.DataDirOffered = dir.str() + "Baza";
  return state;
}

TActiveEdit* Field(TForm& page, const char* name) {
  return dynamic_cast<TActiveEdit*>(FindByName(page, name));
}

// Answers the directory dialog with `directory` and "O&K".
PageHarness::Handler Choose(const std::string& directory) {
  return [directory](TForm& form) {
    auto& dialog = dynamic_cast<TDirDialog&>(form);
    dialog.dirs->SetDirectory(directory);
    EXPECT_TRUE(ClickCaption(dialog, "O&K"));
  };
}

bool ShowsMessage(PageHarness& harness, const std::string& text) {
  for (const auto& m : harness.Messages())
    if (m.caption == "Eroare!" && m.text.find(text) != std::string::npos) return true;
  return false;
}

}  // namespace

TEST(PagesDirectories, LocalAsksOnlyForTheProgramAndPutsTheDatabaseThere) {
  TempDir dir;
  TInstallState state = Fresh(itLocal, dir);
  dir.Write("Ales/x", "");
  PageHarness harness;
  harness.On(kDialog, [&](TForm& form) {
    auto& dialog = dynamic_cast<TDirDialog&>(form);
    EXPECT_EQ(dialog.dirs->Directory(), os::WithoutTrailingBackslash(os::CurrentDirectory()))
        << "the dialog opens on the current directory";
    dialog.dirs->SetDirectory(dir.str() + "Ales");
    testing_support::SavePageShot(dialog, "pages-directory-dialog");
    EXPECT_TRUE(ClickCaption(dialog, "O&K"));
  });
  harness.On(kTitle, [&](TForm& page) {
    EXPECT_EQ(Field(page, "RProgram")->Text(), dir.str() + "WinVort");
    for (const char* hidden : {"RDate", "BDate", "LDate", "netmemo"})
      EXPECT_FALSE(FindByName(page, hidden)->Visible()) << hidden;
    testing_support::SavePageShot(page, "pages-directories-local");
    EXPECT_TRUE(Click(FindByName(page, "BProgram")));
    const std::string chosen = dir.str() + "Ales\\";
    EXPECT_EQ(Field(page, "RProgram")->Text(), chosen) << "a chosen directory ends in \\";
    EXPECT_EQ(Field(page, "RDate")->Text(), chosen) << "the hidden field follows";
    EXPECT_TRUE(ClickCaption(page, "&Continua"));
  });
  EXPECT_EQ(harness.Run(CreateDirectoriesPage(state)), mrOk);
  EXPECT_EQ(state.ProgramDir, dir.str() + "Ales\\");
  EXPECT_EQ(state.DataDir, state.ProgramDir);
  EXPECT_EQ(state.ProgramDirOffered, state.ProgramDir);

  // Typed, it is stored exactly and created.
  state = Fresh(itLocal, dir);
  harness.On(kTitle, [&](TForm& page) {
    TypeText(Field(page, "RProgram"), dir.str() + "Nou");
    EXPECT_TRUE(ClickCaption(page, "&Continua"));
  });
  EXPECT_EQ(harness.Run(CreateDirectoriesPage(state)), mrOk);
  EXPECT_EQ(state.ProgramDir, dir.str() + "Nou");
  EXPECT_EQ(state.DataDir, dir.str() + "Nou");
  EXPECT_TRUE(dir.Exists("Nou"));
  EXPECT_TRUE(harness.Messages().empty());
}

TEST(PagesDirectories, ServerCreatesBothOneLevelDeep) {
  TempDir dir;
  TInstallState state = Fresh(itServer, dir);
  PageHarness harness;
  const std::string too_deep = dir.str() + "a\\b";
  harness.On(kTitle, [&](TForm& page) {
    EXPECT_EQ(Field(page, "RDate")->Text(), dir.str() + "Baza");
    EXPECT_FALSE(FindByName(page, "netmemo")->Visible());
    testing_support::SavePageShot(page, "pages-directories-server");
    TypeText(Field(page, "RDate"), too_deep);
    EXPECT_TRUE(ClickCaption(page, "&Continua"));
    EXPECT_EQ(page.ModalResult(), mrNone) << "the page stays open";
    EXPECT_FALSE(dir.Exists("a"));
    EXPECT_TRUE(ShowsMessage(harness, too_deep)) << "the directory that failed is named";

    TypeText(Field(page, "RDate"), dir.str() + "WinVort\\Date");
    EXPECT_TRUE(ClickCaption(page, "&Continua"));
  });
  EXPECT_EQ(harness.Run(CreateDirectoriesPage(state)), mrOk);
  EXPECT_TRUE(dir.Exists("WinVort/Date"));
  EXPECT_EQ(state.ProgramDir, dir.str() + "WinVort");
  EXPECT_EQ(state.DataDir, dir.str() + "WinVort\\Date");
  EXPECT_EQ(state.DataDirOffered, state.DataDir);
}

TEST(PagesDirectories, ClientNeedsTheServersDatabase) {
  TempDir dir;
  TInstallState state = Fresh(itClient, dir);
  dir.Write("Server/Date/x", "");
  PageHarness harness;
  harness.On(kDialog, [&](TForm& form) { EXPECT_TRUE(ClickCaption(form, "&Renunt")); });
  harness.On(kDialog, Choose(dir.str() + "Server\\Date"));
  harness.On(kTitle, [&](TForm& page) {
    auto* data = Field(page, "RDate");
    EXPECT_TRUE(data->Visible());
    EXPECT_EQ(data->Text(), "");
    auto* memo = dynamic_cast<TMemo*>(FindByName(page, "netmemo"));
    ASSERT_EQ(memo->Lines().Count(), 3);
    EXPECT_EQ(memo->Lines()[0], "Ati selectat o instalare de tip client.");
    TControl* next = FindByName(page, "BNext");
    EXPECT_FALSE(next->Enabled());
    testing_support::SavePageShot(page, "pages-directories-client");

    // Typed and cleared again: enabled, and the database is missing.
    TypeText(data, "x");
    TypeText(data, "");
    EXPECT_TRUE(next->Enabled());
    EXPECT_TRUE(ClickCaption(page, "&Continua"));
    EXPECT_EQ(page.ModalResult(), mrNone);
    EXPECT_TRUE(ShowsMessage(harness, kClientMessage));

    // Cancelling the dialog leaves the field; choosing fills it, with a backslash.
    EXPECT_TRUE(Click(FindByName(page, "LDate")));
    EXPECT_EQ(data->Text(), "");
    EXPECT_TRUE(Click(FindByName(page, "BDate")));
    EXPECT_EQ(data->Text(), dir.str() + "Server\\Date\\");
    EXPECT_TRUE(ClickCaption(page, "&Continua"));
  });
  EXPECT_EQ(harness.Run(CreateDirectoriesPage(state)), mrOk);
  EXPECT_EQ(state.DataDir, dir.str() + "Server\\Date\\");
  EXPECT_FALSE(dir.Exists("Server/Date/Date")) << "nothing created for a client's database";
}

TEST(PagesDirectories, BackAndAbandonLeaveTheStateAlone) {
  TempDir dir;
  TInstallState state = Fresh(itServer, dir);
  PageHarness harness;
  harness.On(kTitle, [](TForm& page) { EXPECT_TRUE(ClickCaption(page, "&Inapoi")); });
  harness.On(kTitle, [](TForm& page) { EXPECT_TRUE(ClickCaption(page, "&Abandon")); });
  EXPECT_EQ(harness.Run(CreateDirectoriesPage(state)), mrRetry);
  EXPECT_EQ(harness.Run(CreateDirectoriesPage(state)), mrCancel);
  EXPECT_EQ(state.ProgramDir, "C:\\WinVort");
  EXPECT_FALSE(dir.Exists("WinVort"));
}
