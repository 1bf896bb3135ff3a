// The background window: what it shows and where its centre panel goes.
#include <gtest/gtest.h>

#include <memory>

#include "app/background_layout.h"
#include "app/background_window.h"
#include "pages_toolkit.h"
#include "support/page_harness.h"
#include "support/page_support.h"
#include "support/pixels.h"
#include "support/screen_pixels.h"
#include "ui/controls/fmt_label.h"
#include "ui/controls/trans_image.h"

using testing_support::CountPixels;
using testing_support::FindByName;
using testing_support::Grab;
using testing_support::Is;
using testing_support::Near;

namespace {

constexpr TColor kPanelColour = RGBColor(8, 74, 140);

template <class T>
T& Named(TForm& form, const char* name) {
  T* control = dynamic_cast<T*>(FindByName(form, name));
  if (!control) throw std::runtime_error(std::string("no control ") + name);
  return *control;
}

}  // namespace

TEST(PagesBackground, FillsTheScreenWithTheArtworkCentred) {
  std::unique_ptr<TForm> window(CreateBackgroundWindow());
  window->Show();
  testing_support::Pump(200);
  EXPECT_EQ(window->ClientWidth(), GetSystemMetrics(SM_CXSCREEN));

  TControl& panou = Named<TControl>(*window, "Panou");
  const PanelPlace place = CentredPanel(window->ClientWidth(), window->ClientHeight(), 750, 499);
  EXPECT_EQ(panou.Left(), place.left);
  EXPECT_EQ(panou.Top(), place.top);

  // The three pictures are the program's own, at their sizes; the tile is of the panel colour.
  const struct {
    const char* name;
    int width, height;
  } pictures[] = {{"Image1", 446, 218}, {"Image5", 709, 112}, {"Image4", 197, 70}};
  for (const auto& p : pictures) {
    const TBitmap& art = Named<TTransImage>(*window, p.name).Bitmap();
    EXPECT_EQ(art.Width(), p.width) << p.name;
    EXPECT_EQ(art.Height(), p.height) << p.name;
    EXPECT_EQ(art.Pixel(0, 0), kPanelColour) << p.name << " is transparent where it is empty";
  }
  auto& tile = Named<TTransImage>(*window, "Background");
  EXPECT_FALSE(tile.Visible());
  EXPECT_EQ(CountPixels(tile.Bitmap(), Is(kPanelColour)), 16 * 16);

  EXPECT_EQ(Named<TFmtLabel>(*window, "VerLbl").Caption(), "@15% ver.3200852.10");
  EXPECT_EQ(Named<TLabel>(*window, "Label1").Caption(), "www.ridozizuz.ro       ");

  // On screen: the blue surface, the name in light strokes, the address in white.
  const TBitmap shot = Grab(*window);
  EXPECT_EQ(shot.Pixel(5, 5), kPanelColour);
  const TRect name = Bounds(place.left + 10, place.top + 199, 709, 112);
  EXPECT_GT(CountPixels(shot, name, Near(clWhite, 30)), 2000);
  const int w = shot.Width(), h = shot.Height();
  EXPECT_GT(CountPixels(shot, {w - 200, h - 16, w, h}, Near(clWhite, 80)), 20);
  testing_support::SavePageShot(*window, "background-window");
}

TEST(PagesBackground, ResizingCentresThePanelAndKeepsTheVersion) {
  std::unique_ptr<TForm> window(CreateBackgroundWindow());
  window->Show();
  testing_support::Pump(50);
  auto& version = Named<TFmtLabel>(*window, "VerLbl");
  version.SetCaption("changed");

  window->SetWindowState(wsNormal);
  window->SetBounds(0, 0, 700, 450);
  testing_support::Pump(50);
  TControl& panou = Named<TControl>(*window, "Panou");
  EXPECT_EQ(panou.Left(), -25);
  EXPECT_EQ(panou.Top(), -39) << "(450 - 499) div 2 - 15";

  window->Hide();
  window->Show();
  EXPECT_EQ(version.Caption(), "changed") << "the version is set on the first showing only";
}
