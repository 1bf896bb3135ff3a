// How the driver finds what a script names among the windows on the screen.
#include <gtest/gtest.h>

#include <string>

#include "bmp_file.h"
#include "text_match.h"
#include "window_tree.h"

using namespace wizdrive;

namespace {

WindowNode Control(const std::string& cls, const std::string& text, bool enabled = true,
                   bool visible = true) {
  static uintptr_t next = 100;
  WindowNode n;
  n.handle = next++;
  n.class_name = cls;
  n.text = text;
  n.enabled = enabled;
  n.visible = visible;
  return n;
}

WindowNode Window(const std::string& caption, std::vector<WindowNode> children,
                  bool enabled = true) {
  WindowNode w = Control("TForm", caption, enabled);
  w.children = std::move(children);
  return w;
}

}  // namespace

TEST(WizdriveMatch, CaptionsWithAndWithoutAcceleratorMarks) {
  EXPECT_EQ(MatchCaption("&Continua", "&Continua"), CaptionMatch::kExact);
  EXPECT_EQ(MatchCaption("&Continua", "Continua"), CaptionMatch::kStripped);
  EXPECT_EQ(MatchCaption("Continua", "&Continua"), CaptionMatch::kStripped);
  EXPECT_EQ(MatchCaption(" &LOCAL     - programul va fi folosit", "LOCAL"),
            CaptionMatch::kContains);
  EXPECT_EQ(MatchCaption(" &LOCAL     - programul", "&LOCAL - programul"), CaptionMatch::kExact);
  EXPECT_EQ(MatchCaption("Nu &acum", "&Nu"), CaptionMatch::kContains);
  EXPECT_EQ(MatchCaption("Save && exit", "Save && exit"), CaptionMatch::kExact);
  EXPECT_EQ(MatchCaption("&Continua", "continua"), CaptionMatch::kNone);  // case counts
  EXPECT_EQ(MatchCaption("&Continua", ""), CaptionMatch::kNone);
  EXPECT_EQ(StripAccelerators("a&&b&c&"), "a&bc&");
  EXPECT_EQ(CollapseBlanks("  introdu\r\n discul \t"), "introdu discul");
  EXPECT_TRUE(ShowsText("introdu discul de instalare cu numarul \r2", "numarul 2"));
  EXPECT_TRUE(ShowsText("O&K", "OK"));
  EXPECT_FALSE(ShowsText("EROARE !", "Atentie"));
}

TEST(WizdriveMatch, ClickGoesToTheTopmostWindowThatCanAnswer) {
  // A disk prompt over a page that its modal loop disabled.
  const Desktop desktop = {
      Window("Atentie !", {Control("TNiceButton", "O&K"), Control("TNiceButton", "&Renunt")}),
      Window("Copiere",
             {Control("TMButton", "&Inapoi"), Control("TMButton", "&Continua"),
              Control("TMButton", "&Abandon")},
             false),
  };
  ClickTarget t = FindClickTarget(desktop, "OK");
  ASSERT_NE(t.control, nullptr);
  EXPECT_EQ(t.control->text, "O&K");
  EXPECT_EQ(t.window, &desktop[0]);
  t = FindClickTarget(desktop, "&Continua");
  EXPECT_EQ(t.control, nullptr);
  EXPECT_EQ(t.problem, "");
}

TEST(WizdriveMatch, ClickPrefersTheClosestCaptionAndRefusesGuesses) {
  const Desktop end_page = {
      Window("Sfarsit", {Control("TMButton", "&Restart!"), Control("TMButton", "Nu &acum"),
                         Control("TMButton", "&Nu")})};
  ASSERT_NE(FindClickTarget(end_page, "Nu").control, nullptr);
  EXPECT_EQ(FindClickTarget(end_page, "Nu").control->text, "&Nu");
  EXPECT_EQ(FindClickTarget(end_page, "Nu &acum").control->text, "Nu &acum");
  EXPECT_EQ(FindClickTarget(end_page, "Restart").control->text, "&Restart!");

  // Items inside a panel are found too.
  Desktop nested = {Window("Tip", {Control("Panel", "")})};
  nested[0].children[0].children = {
      Control("Button", " &LOCAL     - programul va fi folosit numai pe acest calculator"),
      Control("Button", " &SERVER  - acest calculator va contine baza de date"),
      Control("Button", " CLIEN&T    - programul va folosi o baza de date aflata la distanta")};
  EXPECT_EQ(FindClickTarget(nested, "CLIENT").control, &nested[0].children[0].children[2]);
  const ClickTarget two = FindClickTarget(nested, "calculator");
  EXPECT_EQ(two.control, nullptr);
  EXPECT_EQ(two.problem.rfind("\"calculator\" answers 2 controls:", 0), 0u) << two.problem;

  const Desktop disabled = {Window("Tip", {Control("TMButton", "&Continua", false),
                                           Control("TMButton", "&Abandon", true, false)})};
  const ClickTarget off = FindClickTarget(disabled, "Continua");
  EXPECT_EQ(off.control, nullptr);
  EXPECT_EQ(off.problem, "\"&Continua\" is disabled");
  EXPECT_EQ(FindClickTarget(disabled, "Abandon").control, nullptr);  // hidden
}

TEST(WizdriveMatch, WindowsByCaptionOrByWhatTheyShow) {
  WindowNode hidden = Window("Atentie !", {});
  hidden.visible = false;
  const Desktop desktop = {hidden, Window("Atentie !", {Control("Static", "introdu discul\r2")}),
                           Window("Background", {})};
  EXPECT_EQ(FindWindowByCaption(desktop, "Atentie"), &desktop[1]);
  EXPECT_EQ(FindWindowByCaption(desktop, "introdu"), nullptr);
  EXPECT_EQ(FindWindowShowing(desktop, "introdu discul 2"), &desktop[1]);
  EXPECT_EQ(FindWindowShowing(desktop, "Background"), &desktop[2]);
  EXPECT_EQ(FindWindowShowing(desktop, "EROARE"), nullptr);
}

TEST(WizdriveMatch, EditFieldsByPositionOrByLabel) {
  WindowNode panel = Control("TPanel", "");
  panel.children = {Control("TLabel", "Director program:"), Control("TActiveEdit", "C:\\WinVort"),
                    Control("Edit", "hidden", true, false), Control("TLabel", "Director date:"),
                    Control("TLabel", "(baza de date)"),    Control("Edit", "C:\\WinVort\\Date")};
  const WindowNode page =
      Window("Directoare", {Control("Edit", "first"), panel, Control("TLabel", "Nimic dupa")});
  std::string problem;
  EXPECT_EQ(FindField(page, Field{1, ""}, &problem)->text, "first");
  EXPECT_EQ(FindField(page, Field{3, ""}, &problem)->text, "C:\\WinVort\\Date");
  EXPECT_EQ(FindField(page, Field{4, ""}, &problem), nullptr);
  EXPECT_EQ(problem, "the window has 3 edit fields, not 4");
  EXPECT_EQ(FindField(page, Field{0, "Director program"}, &problem)->text, "C:\\WinVort");
  EXPECT_EQ(FindField(page, Field{0, "Director date:"}, &problem)->text, "C:\\WinVort\\Date");
  EXPECT_EQ(FindField(page, Field{0, "Director server"}, &problem), nullptr);
  EXPECT_EQ(problem, "no label \"Director server\"");
  EXPECT_EQ(FindField(page, Field{0, "Nimic"}, &problem), nullptr);
  EXPECT_EQ(problem, "no edit field after \"Nimic dupa\"");
}

TEST(WizdriveMatch, TreeDumpShowsClassTextStateAndPlace) {
  WindowNode w =
      Window("Atentie !", {Control("Static", "introdu\r2"), Control("TNiceButton", "O&K", false)});
  w.rect = {10, 20, 110, 70};
  EXPECT_EQ(FormatTree(w),
            "TForm \"Atentie !\" (10,20 100x50)\n"
            "  Static \"introdu\\r2\" (0,0 0x0)\n"
            "  TNiceButton \"O&K\" disabled (0,0 0x0)\n");
}

TEST(WizdriveMatch, LayoutFaultsAsTheScreenShowsThem) {
  auto at = [](WindowNode n, int left, int top, int width, int height) {
    n.rect = n.client = {left, top, left + width, top + height};
    return n;
  };
  // The directories page at 144 pixels per inch, as the driver read it.
  WindowNode panel = at(Control("VortWindow", ""), 286, 567, 458, 127);
  panel.children = {at(Control("Edit", "C:\\WinVort"), 406, 579, 282, 24),
                    at(Control("Button", "Cauta..."), 693, 578, 43, 28),
                    at(Control("Edit", "", true, false), 292, 641, 900, 48)};
  WindowNode page = at(Window("Alegeti directoarele destinatie!", {}), 31, 520, 962, 177);
  page.children = {at(Control("Button", "&Inapoi"), 57, 601, 100, 77),
                   at(Control("Button", "&Continua"), 157, 601, 101, 77),
                   at(Control("Button", "&Abandon"), 790, 619, 164, 42), panel};
  const Rect screen{0, 0, 1024, 768};
  EXPECT_EQ(LayoutFaults(page, screen), std::vector<std::string>{});

  WindowNode faulty = page;
  faulty.rect.bottom = faulty.client.bottom = 770;
  WindowNode& browse = faulty.children[3].children[1];
  browse.rect.right = 750;
  faulty.children[1].rect.left = 150;
  EXPECT_EQ(LayoutFaults(faulty, screen),
            (std::vector<std::string>{
                "TForm \"Alegeti directoarele destinatie!\" (31,520)-(993,770) reaches off the "
                "screen (0,0)-(1024,768)",
                "Button \"Cauta...\" (693,578)-(750,606) reaches outside VortWindow \"\" "
                "(286,567)-(744,694)",
                "Button \"&Inapoi\" (57,601)-(157,678) overlaps Button \"&Continua\" "
                "(150,601)-(258,678)"}));

  // A frame holds a control whole or leaves it alone; a field shows all its lines.
  WindowNode end = at(Window("Configurare sistem", {}), 31, 520, 962, 177);
  end.children = {at(Control("VortWindow", ""), 280, 560, 200, 100),
                  at(Control("Button", "&Restart!"), 290, 570, 100, 40),
                  at(Control("Edit", "Instalarea s-a terminat cu succes!"), 500, 565, 447, 126)};
  end.children[2].lines_bottom = 126;
  EXPECT_EQ(LayoutFaults(end, screen), std::vector<std::string>{});
  end.children[1].rect.top = 550;
  end.children[2].lines_bottom = 127;
  EXPECT_EQ(
      LayoutFaults(end, screen),
      (std::vector<std::string>{
          "Edit \"Instalarea s-a terminat cu succes!\" needs 127 pixels for its lines, has 126",
          "VortWindow \"\" (280,560)-(480,660) overlaps Button \"&Restart!\" "
          "(290,550)-(390,610)"}));
}

TEST(WizdriveMatch, BmpHeadersForBottomUpRows) {
  EXPECT_EQ(BmpRowBytes(1), 4u);
  EXPECT_EQ(BmpRowBytes(4), 12u);
  EXPECT_EQ(BmpRowBytes(5), 16u);
  const std::string h = BmpHeaders(5, 3);
  ASSERT_EQ(h.size(), 54u);
  auto u32 = [&](size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(h[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(h[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(h[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(h[at + 3])) << 24;
  };
  EXPECT_EQ(h.substr(0, 2), "BM");
  EXPECT_EQ(u32(2), 54u + 16u * 3u);  // file size
  EXPECT_EQ(u32(10), 54u);            // pixels start
  EXPECT_EQ(u32(18), 5u);
  EXPECT_EQ(u32(22), 3u);  // positive height: bottom-up
  EXPECT_EQ(h[28], 24);    // bits per pixel
  EXPECT_EQ(u32(34), 48u);
  EXPECT_EQ(BmpHeaders(0, 3), "");
  EXPECT_EQ(BmpHeaders(3, -1), "");
  EXPECT_EQ(BmpHeaders(20000, 3), "");
}
