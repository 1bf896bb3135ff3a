// Toolkit start-up, the glyph library, the work area and the two ways captions are drawn.
#include <gtest/gtest.h>

#include "log/debug_log.h"
#include "support/pixels.h"
#include "support/temp_dir.h"
#include "ui/controls/text_drawing.h"
#include "ui/glyphs/glyph_images.h"
#include "ui/glyphs/glyph_library.h"
#include "ui/glyphs/mesaj_form.h"
#include "ui/toolkit.h"

using testing_support::CountPixels;
using testing_support::Near;

namespace {

TColor StoredTopLeft(const std::string& name) {
  TBitmap raw;
  raw.LoadFromResourceName(GetModuleHandleA(nullptr), name);
  return raw.Pixel(0, 0);
}

TEST(UiToolkit, StartUpBuildsTheLibraryAndTheSharedState) {
  StartToolkit();
  ASSERT_NE(Mesaj, nullptr);
  EXPECT_EQ(Mesaj->Name(), "Mesaj");
  EXPECT_NE(Mesaj->Caption(), "?");  // the date and time
  EXPECT_FALSE(Mesaj->Visible());
  EXPECT_TRUE(EmptyBitmap().Empty());
  ASSERT_TRUE(HighColor());  // Xvfb runs at 24 bits
  EXPECT_EQ(Application.HintColor, RGBColor(217, 226, 230));
  EXPECT_GT(WorkArea().width, 0);
  EXPECT_GT(WorkArea().height, 0);
  EXPECT_FALSE(FlatButtonFace().Empty());
  EXPECT_FALSE(TitleIconFace().Empty());

  // Lookups by kind; kinds without a picture share the empty bitmap.
  EXPECT_EQ(MessageIcon(mtWarning).Width(), 42);
  EXPECT_EQ(MessageIcon(mtError).Height(), 64);
  EXPECT_EQ(&MessageIcon(mtCustom), &EmptyBitmap());
  EXPECT_FALSE(KindGlyph(mkOK).Empty());
  EXPECT_EQ(&KindGlyph(static_cast<TMButtonKind>(200)), &EmptyBitmap());
  EXPECT_FALSE(AlteGlyph(glCheck).Empty());
  EXPECT_EQ(&AlteGlyph(glCustom), &EmptyBitmap());
  for (std::string_view name : GlyphLibraryImageNames())
    EXPECT_FALSE(Mesaj->Picture(name).Empty()) << name;

  // On a high-colour screen glyph backgrounds become the button face; faces keep their own.
  const TColor face = ColorToRGB(clBtnFace);
  ASSERT_NE(StoredTopLeft("Warning"), face);
  EXPECT_EQ(MessageIcon(mtWarning).Pixel(0, 0), face);
  EXPECT_EQ(AlteGlyph(glRadio).Pixel(0, 0), face);
  EXPECT_EQ(FlatButtonFace().Pixel(0, 0), StoredTopLeft("ButtonFaceZAN"));

  StartToolkit();  // a second start changes nothing
  StopToolkit();
  EXPECT_EQ(Mesaj, nullptr);
  EXPECT_EQ(MessageIcon(mtWarning).Pixel(0, 0), StoredTopLeft("Warning"));  // as stored
  EXPECT_TRUE(TitleIconFace().Empty());
}

TEST(UiToolkit, LibraryOnAPaletteScreenKeepsPicturesAndReadsTheThemeBesideTheProgram) {
  testing_support::TempDir dir;
  dir.Write("Design.ini",
            "[ZAN_DESIGN]\r\nCOLOR_TABLISTE_START=$000010\r\nCOLOR_LISTE_START=$00FF00\r\n");
  std::unique_ptr<TMesaj> library(CreateForm<TMesaj>(nullptr, false, dir.str()));
  EXPECT_EQ(library->Picture("Warning").Pixel(0, 0), StoredTopLeft("Warning"));
  EXPECT_EQ(library->Theme()[1].panel_gradient_start, 0x00FF00);
  EXPECT_EQ(library->Theme()[0].panel_gradient_start, 0xC79C4E);  // the built-in default
  EXPECT_EQ(library->Picture("NoSuchPicture").Width(), 0);

  // No theme file: the defaults.
  testing_support::TempDir empty;
  std::unique_ptr<TMesaj> plain(CreateForm<TMesaj>(nullptr, true, empty.str()));
  EXPECT_EQ(plain->Theme()[1].panel_gradient_start, 0xB1B17A);
}

TEST(UiToolkit, TitleMarkersGoOnlyIntoAnOpenSession) {
  // Switched on by a marker file but with no session yet: the log must stay on.
  DebugEnabled = true;
  StartToolkit();
  StopToolkit();
  EXPECT_TRUE(DebugEnabled);

  testing_support::TempDir dir;
  DebugOpen(dir.File("vortinst.log"), "TEST");
  StartToolkit();
  StopToolkit();
  DebugClose();
  const std::string log = dir.Read("vortinst.log");
  EXPECT_NE(log.find("BEGIN => Title init"), std::string::npos) << log;
  EXPECT_NE(log.find("END <- Title init"), std::string::npos) << log;
}

// A stand-in taskbar window at a given place, found as the system's would be.
class FakeTaskbar {
 public:
  explicit FakeTaskbar(const RECT& r) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&wc);
    hwnd_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP, r.left,
                            r.top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                            wc.hInstance, nullptr);
  }
  ~FakeTaskbar() { DestroyWindow(hwnd_); }
  FakeTaskbar(const FakeTaskbar&) = delete;
  FakeTaskbar& operator=(const FakeTaskbar&) = delete;

 private:
  HWND hwnd_;
};

TEST(UiToolkit, WorkAreaFollowsTheTaskbarEdge) {
  const int w = Screen.Width(), h = Screen.Height();
  struct Case {
    RECT taskbar;
    int width, height;
  };
  const Case cases[] = {
      {{0, h - 30, w, h}, w + 6, h - 30 + 6},     // bottom
      {{-2, -2, w + 2, 28}, w + 6, h - 30 + 6},   // top, overlapping the edges
      {{0, 0, 60, h}, w - 60 + 6, h + 6},         // left
      {{w - 80, 0, w, h}, w - 80 + 6, h + 6},     // right
      {{100, 100, 300, 140}, w + 6, h - 40 + 6},  // floating: as if at the bottom
  };
  for (const Case& c : cases) {
    FakeTaskbar bar(c.taskbar);
    const ScreenRect found = TaskbarRect();
    ASSERT_EQ(found.left, c.taskbar.left);
    ASSERT_EQ(found.bottom, c.taskbar.bottom);
    const WorkAreaLimits limits = ComputeWorkAreaLimits(found, w, h);
    EXPECT_EQ(limits.width, c.width) << c.taskbar.left << "," << c.taskbar.top;
    EXPECT_EQ(limits.height, c.height) << c.taskbar.left << "," << c.taskbar.top;
  }
  {
    // What start-up computes comes from the same window.
    FakeTaskbar bar({0, h - 30, w, h});
    StartToolkit();
    EXPECT_EQ(WorkArea().width, w + 6);
    EXPECT_EQ(WorkArea().height, h - 24);
    StopToolkit();
  }
}

// The columns [first, last) of a bitmap that hold a pixel near `c`.
int ColumnsWith(const TBitmap& b, TColor c, int first, int last) {
  int n = 0;
  for (int x = first; x < last; ++x) n += CountPixels(b, {x, 0, x + 1, b.Height()}, Near(c)) > 0;
  return n;
}

TEST(UiCanvasText, CentredAcceleratorTextStaysInOnePieceAndEmbossIsWhiteBelowGrey) {
  TBitmap b(120, 30);
  TCanvas& c = b.Canvas();
  c.Font().SetHeight(-16);
  c.Font().SetColor(clBlack);
  c.Brush().SetStyle(bsClear);
  DrawAcceleratorText(c, "&Da", {0, 0, 120, 30}, false, clRed,
                      DT_CENTER | DT_SINGLELINE | DT_VCENTER);
  const int d_width = c.TextWidth("D");
  const int left = (120 - c.TextWidth("Da") - 2) / 2;
  EXPECT_EQ(ColumnsWith(b, clRed, 0, left), 0);
  EXPECT_GT(ColumnsWith(b, clRed, left, left + d_width), 0);
  EXPECT_GT(ColumnsWith(b, clBlack, left + d_width, left + d_width + 10), 0);

  // A disabled caption on a coloured face.
  b.Fill(clNavy);
  c.Font().SetColor(clRed);
  DrawEmbossedText(c, "Ab", {5, 5, 80, 30}, DT_LEFT | DT_SINGLELINE);
  EXPECT_GT(CountPixels(b, testing_support::Is(clGray)), 0);
  EXPECT_GT(CountPixels(b, testing_support::Is(clWhite)), 0);
  EXPECT_EQ(CountPixels(b, Near(clRed, 40)), 0);
  EXPECT_EQ(c.Font().Color(), clRed);
}

}  // namespace
