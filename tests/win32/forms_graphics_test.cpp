// Bitmaps over DIB sections, canvas drawing and what controls paint, read back as pixels.
#include <gtest/gtest.h>

#include "forms/forms.h"
#include "support/temp_dir.h"

namespace {

TEST(FormsBitmap, PixelsWrittenByGdiAndByMemoryReadBackAlike) {
  TBitmap b(8, 4);
  EXPECT_EQ(b.Pixel(0, 0), clWhite);  // a new bitmap is white
  b.Canvas().Brush().SetColor(RGBColor(10, 20, 30));
  b.Canvas().FillRect({2, 1, 4, 3});
  EXPECT_EQ(b.Pixel(2, 1), RGBColor(10, 20, 30));
  EXPECT_EQ(b.Pixel(4, 1), clWhite);
  b.SetPixel(7, 3, clRed);
  EXPECT_EQ(b.Canvas().Pixel(7, 3), clRed);
  EXPECT_EQ(b.ScanLine(3)[7], 0x00FF0000u);  // rows hold 0x00RRGGBB
  // Outside the picture nothing is read or written.
  EXPECT_EQ(b.Pixel(8, 0), clNone);
  EXPECT_EQ(b.ScanLine(4), nullptr);
  b.SetPixel(-1, 0, clRed);

  TBitmap copy = b;
  b.SetPixel(7, 3, clBlue);
  EXPECT_EQ(copy.Pixel(7, 3), clRed);
  EXPECT_EQ(copy.Width(), 8);

  b.SetSize(0, 0);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Pixel(0, 0), clNone);
}

TEST(FormsBitmap, SavedFileLoadsBackAndDamagedFilesAreRefused) {
  testing_support::TempDir dir;
  TBitmap b(5, 3);
  b.Fill(clYellow);
  b.SetPixel(4, 2, RGBColor(1, 2, 3));
  const std::string path = dir.File("pic.bmp");
  ASSERT_TRUE(b.SaveToFile(path));
  TBitmap loaded;
  ASSERT_TRUE(loaded.LoadFromFile(path));
  EXPECT_EQ(loaded.Width(), 5);
  EXPECT_EQ(loaded.Height(), 3);
  EXPECT_EQ(loaded.Pixel(0, 0), clYellow);
  EXPECT_EQ(loaded.Pixel(4, 2), RGBColor(1, 2, 3));

  dir.Write("bad.bmp", "BM this is not a bitmap");
  const std::string bad = dir.File("bad.bmp");
  EXPECT_FALSE(loaded.LoadFromFile(bad));
  EXPECT_FALSE(loaded.LoadFromFile(dir.File("missing.bmp")));
  EXPECT_EQ(loaded.Width(), 5);  // unchanged
  EXPECT_FALSE(b.SaveToFile(dir.File("no such dir\\x.bmp")));
}

TEST(FormsCanvas, TransparentCopyLeavesOutTheKeyColour) {
  TBitmap glyph(6, 6);
  glyph.Fill(clFuchsia);
  glyph.Canvas().Brush().SetColor(clNavy);
  glyph.Canvas().FillRect({2, 2, 4, 4});
  TBitmap target(12, 12);
  target.Canvas().DrawTransparent({0, 0, 12, 12}, glyph, {0, 0, 6, 6}, glyph.Pixel(0, 0));
  int navy = 0;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      EXPECT_NE(target.Pixel(x, y), clFuchsia);
      navy += target.Pixel(x, y) == clNavy;
    }
  EXPECT_EQ(navy, 16);  // the 2 by 2 middle, stretched twice
}

TEST(FormsCanvas, FontChangesTakeEffectWhileTheCanvasIsBound) {
  TBitmap b(200, 40);
  TCanvas& c = b.Canvas();
  c.Font().SetHeight(-11);
  const int small = c.TextHeight("Wg");
  c.Font().SetHeight(-24);
  EXPECT_GT(c.TextHeight("Wg"), small);
  c.Font().SetStyle(fsBold);
  EXPECT_GT(c.TextWidth("Continua"), 0);
}

class TPaintedForm : public TForm {
 public:
  explicit TPaintedForm(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsNone);
    SetBounds(0, 0, 200, 120);
    SetColor(clWhite);
    Panel = new TPanel(this);
    Panel->SetBevelOuter(bvNone);
    Panel->SetColor(clRed);
    Panel->SetHeight(40);
    Panel->SetAlign(alBottom);
    Panel->SetParent(this);
    Gauge = new TGauge(this);
    Gauge->SetBounds(10, 10, 100, 20);
    Gauge->ShowText = false;
    Gauge->ForeColor = clBlue;
    Gauge->BackColor = clLime;
    Gauge->SetProgress(50);
    Gauge->SetParent(this);
    Label = new TLabel(this);
    Label->SetCaption("Eticheta");
    Label->SetLeft(120);
    Label->SetTop(10);
    Label->SetParent(this);
  }
  TPanel* Panel;
  TGauge* Gauge;
  TLabel* Label;
};

TEST(FormsPainting, ControlsPaintThroughTheirParent) {
  std::unique_ptr<TPaintedForm> form(CreateForm<TPaintedForm>(nullptr));
  form->HandleNeeded();
  EXPECT_EQ(form->Panel->Top(), 80);  // aligned to the bottom
  EXPECT_EQ(form->Panel->Width(), 200);
  EXPECT_GT(form->Label->Width(), 20);  // sized to its caption
  TBitmap shot(200, 120);
  form->PaintTo(shot.Canvas(), 0, 0);
  EXPECT_EQ(shot.Pixel(5, 5), clWhite);
  EXPECT_EQ(shot.Pixel(100, 100), clRed);
  EXPECT_EQ(shot.Pixel(11, 20), clBlue);   // half done: the left half is the bar
  EXPECT_EQ(shot.Pixel(108, 20), clLime);  // the rest is the background
  EXPECT_EQ(shot.Pixel(10, 10), clBlack);  // frame
  bool text = false;
  for (int x = form->Label->Left(); x < form->Label->Left() + form->Label->Width(); ++x)
    for (int y = 10; y < 10 + form->Label->Height(); ++y)
      text = text || shot.Pixel(x, y) != clWhite;
  EXPECT_TRUE(text);

  // Hiding the aligned panel gives its room back.
  form->Panel->Hide();
  TBitmap again(200, 120);
  form->PaintTo(again.Canvas(), 0, 0);
  EXPECT_EQ(again.Pixel(100, 100), clWhite);
}

}  // namespace
