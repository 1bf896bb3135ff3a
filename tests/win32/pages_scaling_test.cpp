// Every window of the wizard at the screen's scaling: the pages and dialogs take the screen's
// resolution, the message window and the background window show whole on the screen, and in
// each of them every control lies inside its parent and clear of its neighbours and every
// caption fits the control that shows it. The program runs in Windows environments of 96, 120
// and 144 pixels per inch (VORT_EXPECTED_DPI says which); with VORT_PAGE_SHOTS it photographs
// every page.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "app/background_window.h"
#include "bde/engine_directory.h"
#include "pages_toolkit.h"
#include "state/install_state.h"
#include "support/form_driver.h"
#include "support/layout_audit.h"
#include "support/page_support.h"
#include "support/screen_pixels.h"
#include "ui/message/mesaj_dlg.h"
#include "upgrade/system_probe.h"
#include "upgrade/upgrade_library_port.h"
#include "wizard/directory_dialog.h"
#include "wizard/end_page.h"
#include "wizard/fresh/config_page.h"
#include "wizard/fresh/directories_page.h"
#include "wizard/fresh/fresh_copy_page.h"
#include "wizard/fresh/install_type_page.h"
#include "wizard/task_line.h"
#include "wizard/upgrade/find_app_page.h"
#include "wizard/upgrade/upg_data_page.h"
#include "wizard/upgrade/upgrade_copy_page.h"

using testing_support::LayoutFaults;
using testing_support::Pump;

namespace {

// The design size of every wizard page's client area.
constexpr int kPageWidth = 637, kPageHeight = 114;

class NoEngine : public bde::EngineRegistry {
 public:
  bool EngineInstalled() override { return false; }
  std::optional<std::string> EngineVersion() override { return std::nullopt; }
  std::optional<std::string> EngineDllPath() override { return std::nullopt; }
  std::optional<std::string> ProgramFilesDir() override { return std::nullopt; }
};

// A library whose alias points at a local data folder and whose tasks succeed at once.
class QuickLibrary : public upgrade::UpgradeLibraryPort {
 public:
  void GetAliasPath(std::string& alias) override { alias = "C:\\WinVort\\DATA\\"; }
  void DoStructureUpgrade() override {}
  void DoListUpgrade() override {}
  void DoConstUpgrade() override {}
  void SetReportListener(upgrade::UpgradeReportListener*) override {}
  void SetQuickVerif(bool) override {}
  bool GetSemaforOK() override { return true; }
};

// A machine without drives or profile: the search finds nothing.
class NoDrives : public upgrade::SystemProbe {
 public:
  upgrade::DriveKind DriveType(const std::string&) override { return upgrade::DriveKind::kNoRoot; }
  std::string ReadProfileString(const std::string&, const std::string&) override { return ""; }
};

int ScreenPpi() {
  return Screen.PixelsPerInch();
}

TRect WindowRect(TForm& form) {
  RECT r;
  GetWindowRect(form.Handle(), &r);
  return {r.left, r.top, r.right, r.bottom};
}

void ExpectOnTheScreen(TForm& form) {
  const TRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  EXPECT_TRUE(testing_support::layout_audit::Inside(WindowRect(form), screen))
      << form.Caption() << " leaves the screen";
}

void ExpectWhole(TWinControl& form, const std::string& what) {
  for (const std::string& fault : LayoutFaults(form)) ADD_FAILURE() << what << ": " << fault;
}

// A form laid out for 96 pixels per inch, as the screen shows it: scaled to the screen's
// resolution, on the screen and whole.
void ExpectScaledAndWhole(TForm& form, const std::string& what, int width, int height) {
  const int ppi = ScreenPpi();
  EXPECT_EQ(form.PixelsPerInch, ppi) << what;
  EXPECT_EQ(form.ClientWidth(), MulDiv(width, ppi, 96)) << what;
  EXPECT_EQ(form.ClientHeight(), MulDiv(height, ppi, 96)) << what;
  ExpectOnTheScreen(form);
  ExpectWhole(form, what);
  testing_support::SavePageShot(form, "dpi" + std::to_string(ppi) + "-" + what);
}

// Shows `form` modally (and frees it), lets `look` act on it once it is on the screen, then
// closes it. Any other window that opens meanwhile is answered with Cancel.
void OnScreen(TForm* form, const std::function<void(TForm&)>& look) {
  std::unique_ptr<TForm> owned(form);
  auto previous = std::move(Application.OnModalShow);
  Application.OnModalShow = [&](TForm& shown) {
    if (&shown != form) {
      shown.SetModalResult(mrCancel);
      return;
    }
    Pump(100);
    look(shown);
    shown.SetModalResult(mrAbort);
  };
  form->ShowModal();
  Application.OnModalShow = std::move(previous);
}

void ExpectPageWhole(TForm* page, const std::string& what) {
  OnScreen(page, [&](TForm& p) { ExpectScaledAndWhole(p, what, kPageWidth, kPageHeight); });
}

class Scaling : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* expected = std::getenv("VORT_EXPECTED_DPI");
    ASSERT_NE(expected, nullptr) << "VORT_EXPECTED_DPI names the environment's scaling";
    ASSERT_EQ(ScreenPpi(), std::atoi(expected)) << "the Windows environment's scaling";
    state.ProgramDirOffered = "C:\\WinVort\\";
    state.DataDirOffered = "C:\\WinVort\\";
  }

  TInstallState state;
};

}  // namespace

TEST_F(Scaling, ThePagesOfTheFreshRoad) {
  ExpectPageWhole(CreateInstallTypePage(state), "install-type");
  const std::pair<TInstallType, const char*> types[] = {{itLocal, "directories-local"},
                                                        {itServer, "directories-server"},
                                                        {itClient, "directories-client"}};
  for (const auto& [type, name] : types) {
    state.InstallType = type;
    ExpectPageWhole(CreateDirectoriesPage(state), name);
  }
  NoEngine engine;
  ExpectPageWhole(CreateForm<TCopy>(&Application, state, engine), "copy");
  auto* config = static_cast<TConfig*>(CreateConfigPage(state));
  OnScreen(config, [&](TForm& page) {
    ExpectScaledAndWhole(page, "configuration", kPageWidth, kPageHeight);
    // Done, a line takes another font colour, bevel and alignment.
    for (TPanel* line : {config->BBDE, config->BCFGSYS, config->BGROUP})
      SetTaskLineDone(*line, true);
    Pump(50);
    ExpectScaledAndWhole(page, "configuration-done", kPageWidth, kPageHeight);
  });
  ExpectPageWhole(CreateEndPage(state, [] { return false; }), "end");
}

TEST_F(Scaling, ThePagesOfTheUpgradeRoadAndTheDirectoryDialog) {
  QuickLibrary library;
  NoDrives drives;
  auto* find = CreateForm<TFindApp>(&Application, state, library, drives);
  OnScreen(find, [&](TForm& page) {
    ExpectScaledAndWhole(page, "locate", kPageWidth, kPageHeight);
    // The search finds nothing here, and the page says so.
    find->BNext->Click();
    Pump(50);
    ExpectScaledAndWhole(page, "locate-not-found", kPageWidth, kPageHeight);
  });
  ExpectPageWhole(CreateForm<TUpgCopy>(&Application, state), "upgrade-copy");
  auto* data = CreateForm<TUpgData>(&Application, state, library);
  OnScreen(data, [&](TForm& page) {
    ExpectScaledAndWhole(page, "database-upgrade", kPageWidth, kPageHeight);
    data->BNext->Click();
    Pump(50);
    ExpectScaledAndWhole(page, "database-upgrade-done", kPageWidth, kPageHeight);
  });
  auto* dialog = CreateForm<TDirDialog>(nullptr);
  dialog->Preset("C:\\windows\\");
  OnScreen(dialog, [](TForm& d) { ExpectScaledAndWhole(d, "directory-dialog", 382, 188); });
}

TEST_F(Scaling, MessagesAreWholeAndCentredOnTheScreen) {
  const struct {
    const char* name;
    const char* suffix;
    const char* text;
    TMsgDlgType type;
    TMsgDlgButtons buttons;
  } messages[] = {
      {"disk", "Pentru continuare", "introdu discul de instalare cu numarul \r2", mtWarning,
       kButtonsOKCancel},
      {"question", "", "Fac UPGRADE la baza de date de pe SERVER?", mtConfirmation, kButtonsYesNo},
      {"long", "",
       "Fisierul\rC:\\DOCUME~1\\ADMINI~1\\LOCALS~1\\Temp\\INSTVORT.EXE\rnu poate fi copiat. "
       "Verificati daca discul nu este plin sau protejat la scriere si daca aveti drept de "
       "scriere in directorul temporar.\rInstalarea se opreste.",
       mtError, kButtonsOK},
      {"custom", "", "Gata", mtCustom, kButtonsOK},
  };
  for (const auto& m : messages) {
    MessageSuffix = m.suffix;
    bool shown = false;
    auto previous = std::move(Application.OnModalShow);
    Application.OnModalShow = [&](TForm& form) {
      shown = true;
      Pump(100);
      ExpectOnTheScreen(form);
      const TRect r = WindowRect(form);
      EXPECT_LE(std::abs(r.Left + r.Right - GetSystemMetrics(SM_CXSCREEN)), 1) << m.name;
      EXPECT_LE(std::abs(r.Top + r.Bottom - GetSystemMetrics(SM_CYSCREEN)), 1) << m.name;
      ExpectWhole(form, std::string("message-") + m.name);
      // The window is built around the text as measured; shown, it keeps those lines (the
      // measure, rounded up to the layout's units and scaled, may give a pixel more).
      auto* label = dynamic_cast<TLabel*>(testing_support::FindByName(form, "Message"));
      ASSERT_NE(label, nullptr);
      EXPECT_LE(label->Height(), testing_support::layout_audit::LabelText(*label).height + 1)
          << m.name;
      testing_support::SavePageShot(form,
                                    "dpi" + std::to_string(ScreenPpi()) + "-message-" + m.name);
      form.SetModalResult(mrCancel);
    };
    MesajDlg(m.text, "", m.type, taCenter, m.buttons, 0, 0);
    Application.OnModalShow = std::move(previous);
    EXPECT_TRUE(shown) << m.name;
  }
  MessageSuffix.clear();
}

TEST_F(Scaling, TheBackgroundKeepsItsArtworkWholeOnTheScreen) {
  std::unique_ptr<TForm> window(CreateBackgroundWindow());
  window->Show();
  Pump(200);
  EXPECT_EQ(window->PixelsPerInch, 96) << "the artwork keeps its own pixels";
  const TRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  EXPECT_EQ(WindowRect(*window), screen);
  // The pictures are layers over each other; each shows whole on the screen.
  auto* panou = static_cast<TWinControl*>(testing_support::FindByName(*window, "Panou"));
  for (const char* name : {"Image1", "Image5", "Image4"}) {
    TControl* picture = testing_support::FindByName(*window, name);
    const TPoint at = panou->ClientToScreen({picture->Left(), picture->Top()});
    EXPECT_TRUE(testing_support::layout_audit::Inside(
        Bounds(at.X, at.Y, picture->Width(), picture->Height()), screen))
        << name;
  }
  // The version and the address at the bottom, whole, apart and clear of the artwork.
  auto* strip = static_cast<TWinControl*>(testing_support::FindByName(*window, "Panel1"));
  ExpectWhole(*strip, "background");
  EXPECT_GE(strip->Top(), panou->Top() + panou->Height());
  testing_support::SavePageShot(*window, "dpi" + std::to_string(ScreenPpi()) + "-background");
}
