// What the painted panel, the title bar and the transparent image put on screen, read back
// pixel by pixel from real windows.
#include <gtest/gtest.h>

#include <memory>

#include "support/pixels.h"
#include "ui/controls/painted_panel.h"
#include "ui/controls/title_bar.h"
#include "ui/controls/trans_image.h"
#include "ui/core/gradient.h"
#include "ui/glyphs/glyph_images.h"
#include "ui/toolkit.h"

using testing_support::CountPixels;
using testing_support::CountRowBands;
using testing_support::Is;
using testing_support::Near;
using testing_support::Snapshot;

namespace {

// A shown form to put controls on.
class Stage {
 public:
  Stage() : form_(CreateForm<TForm>(nullptr)) {
    StartToolkit();
    form_->SetBorderStyle(bsNone);
    form_->SetBounds(20, 20, 400, 300);
    form_->SetColor(clGreen);
  }
  ~Stage() { StopToolkit(); }
  // A width or height of 0 keeps the control's own.
  template <class T>
  T* Put(int l, int t, int w, int h) {
    T* c = new T(form_.get());
    c->SetBounds(l, t, w ? w : c->Width(), h ? h : c->Height());
    c->SetParent(form_.get());
    return c;
  }
  TForm& Form() { return *form_; }
  void Show() {
    form_->Show();
    Application.ProcessMessages();
  }

 private:
  std::unique_ptr<TForm> form_;
};

TPaintedPanel* GradientPanel(Stage& stage, int width, int height) {
  auto* p = stage.Put<TPaintedPanel>(0, 0, width, height);
  p->SetBevelOuter(bvNone);
  p->SetColor(clBlack);
  p->SetSecondColor(clWhite);
  p->SetUseSecondColor(true);
  return p;
}

TEST(UiPaintedPanel, GradientRoundsUpPerComponent) {
  Stage stage;
  TPaintedPanel* p = GradientPanel(stage, 100, 20);
  p->SetUseHGradient(true);
  stage.Show();
  const TBitmap shot = Snapshot(*p);
  EXPECT_EQ(shot.Pixel(0, 10), RGBColor(0, 0, 0));
  EXPECT_EQ(shot.Pixel(50, 10), RGBColor(128, 128, 128));
  EXPECT_EQ(shot.Pixel(99, 10), RGBColor(253, 253, 253));
  EXPECT_EQ(shot.Pixel(50, 0), shot.Pixel(50, 19));  // whole columns

  // The same on the screen.
  p->Update();
  HDC dc = GetDC(p->Handle());
  EXPECT_EQ(GetPixel(dc, 50, 10), RGB(128, 128, 128));
  EXPECT_EQ(GetPixel(dc, 99, 10), RGB(253, 253, 253));
  ReleaseDC(p->Handle(), dc);

  // Vertical: rows instead of columns.
  TPaintedPanel* v = GradientPanel(stage, 20, 100);
  v->SetLeft(150);
  v->SetColor(RGBColor(200, 0, 0));
  v->SetSecondColor(RGBColor(0, 0, 100));
  const TBitmap rows = Snapshot(*v);
  EXPECT_EQ(rows.Pixel(10, 0), RGBColor(200, 0, 0));
  EXPECT_EQ(rows.Pixel(10, 50), RGBColor(100, 0, 50));
  EXPECT_EQ(rows.Pixel(10, 99), RGBColor(2, 0, 99));
  EXPECT_EQ(rows.Pixel(0, 50), rows.Pixel(19, 50));
}

TEST(UiPaintedPanel, SolidWhenTheColoursAgreeOrTheSecondIsOff) {
  Stage stage;
  TPaintedPanel* p = GradientPanel(stage, 60, 30);
  p->SetColor(RGBColor(10, 20, 30));
  p->SetSecondColor(RGBColor(10, 20, 30));
  p->SetUseHGradient(true);
  stage.Show();
  EXPECT_EQ(CountPixels(Snapshot(*p), Is(RGBColor(10, 20, 30))), 60 * 30);

  p->SetSecondColor(clWhite);
  p->SetUseSecondColor(false);
  EXPECT_EQ(CountPixels(Snapshot(*p), Is(RGBColor(10, 20, 30))), 60 * 30);
}

TEST(UiPaintedPanel, HashBreaksTheCaptionIntoCentredLines) {
  Stage stage;
  auto* p = stage.Put<TPaintedPanel>(0, 0, 240, 80);
  p->SetBevelOuter(bvNone);
  p->SetColor(clWhite);
  p->Font().SetColor(clBlack);
  p->SetCaption("Copiere#fisiere");
  stage.Show();
  TBitmap shot = Snapshot(*p);
  EXPECT_EQ(CountRowBands(shot, Near(clBlack)), 2);
  EXPECT_EQ(CountPixels(shot, Is(clRed)), 0);
  // Centred as a block: as much space left of the text as right of it, give or take a pixel.
  int left = 240, right = 0;
  for (int x = 0; x < 240; ++x)
    if (CountPixels(shot, {x, 0, x + 1, 80}, Near(clBlack)) > 0) {
      left = std::min(left, x);
      right = x;
    }
  EXPECT_LE(std::abs(left - (239 - right)), 3);

  p->SetCaption("Copiere fisiere");
  EXPECT_EQ(CountRowBands(Snapshot(*p), Near(clBlack)), 1);

  // Left-aligned text starts at the panel's edge.
  p->SetCaption("Copiere#fisiere");
  p->SetAlignment(taLeftJustify);
  shot = Snapshot(*p);
  EXPECT_GT(CountPixels(shot, {0, 0, 4, 80}, Near(clBlack)), 0);
}

TEST(UiPaintedPanel, DisabledCaptionIsEmbossedAndDoubleAmpersandIsRed) {
  Stage stage;
  auto* p = stage.Put<TPaintedPanel>(0, 0, 200, 40);
  p->SetBevelOuter(bvNone);
  p->SetColor(clSilver);
  p->Font().SetColor(clBlack);
  p->Font().SetHeight(-16);
  p->SetCaption("A&&B");
  stage.Show();
  TBitmap shot = Snapshot(*p);
  EXPECT_GT(CountPixels(shot, Near(clRed)), 0);
  EXPECT_GT(CountPixels(shot, Near(clBlack)), 0);

  p->SetEnabled(false);
  shot = Snapshot(*p);
  EXPECT_GT(CountPixels(shot, Is(clWhite)), 0);
  EXPECT_GT(CountPixels(shot, Is(clGray)), 0);
  EXPECT_EQ(CountPixels(shot, Near(clBlack, 30)), 0);
  EXPECT_EQ(CountPixels(shot, Near(clRed)), 0);
}

TEST(UiPaintedPanel, FramesBevelsOrAColouredLine) {
  Stage stage;
  auto* p = stage.Put<TPaintedPanel>(10, 10, 50, 30);
  p->SetColor(clWhite);
  p->SetBevelOuter(bvLowered);
  stage.Show();
  TBitmap shot = Snapshot(*p);
  EXPECT_EQ(shot.Pixel(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(shot.Pixel(49, 29), ColorToRGB(clBtnHighlight));

  p->SetBevelOuter(bvNone);
  p->SetBorderColor(clBlue);
  p->SetUseBorderColor(true);
  shot = Snapshot(*p);
  EXPECT_EQ(shot.Pixel(0, 0), clGreen);  // the form behind
  EXPECT_EQ(shot.Pixel(1, 1), clBlue);
  EXPECT_EQ(shot.Pixel(48, 28), clBlue);
  EXPECT_EQ(shot.Pixel(2, 2), clWhite);

  // A paint handler gets a plain panel to draw on.
  int painted = 0;
  p->OnPaint = [&](TObject* sender) {
    EXPECT_EQ(sender, p);
    ++painted;
  };
  p->SetUseSecondColor(true);
  Snapshot(*p);
  EXPECT_EQ(painted, 1);
}

TEST(UiTitleBar, GradientAccumulatesPerColumnUnderAShadowedCaption) {
  Stage stage;
  auto* bar = stage.Put<TTitleBar>(0, 0, 0, 0);
  bar->SetAlign(alTop);
  bar->SetStartColor(clBlack);
  bar->SetEndColor(RGBColor(255, 255, 100));
  EXPECT_EQ(bar->Height(), 25);
  stage.Show();
  const int width = bar->Width();
  ASSERT_EQ(width, 400);
  TBitmap shot = Snapshot(stage.Form());
  for (const GradientRun& run : TitleBarGradientRuns(0, RGBColor(255, 255, 100), width)) {
    EXPECT_EQ(shot.Pixel(run.left, 1), run.color) << run.left;
    EXPECT_EQ(shot.Pixel(run.right - 1, 24), run.color) << run.right;
  }

  bar->SetCaption("Instalare VORTEL");
  const TRect caption = bar->CaptionRect();
  EXPECT_EQ(caption.Left, 15);  // margin 10 and 5 more
  shot = Snapshot(stage.Form());
  EXPECT_GT(CountPixels(shot, caption.Inflate(2, 1), Is(clWhite)), 0);
  EXPECT_GT(CountPixels(shot, caption.Inflate(2, 1), Is(clBlack)), 0);
  const TColor shadow = ColorToRGB(clBtnShadow);
  EXPECT_EQ(CountPixels(shot, caption.Inflate(2, 1), Is(shadow)), 0);

  // Greyed: the caption changes colour, the gradient around it does not.
  bar->SetGrayed(true);
  const TBitmap grey = Snapshot(stage.Form());
  EXPECT_GT(CountPixels(grey, caption.Inflate(2, 1), Is(shadow)), 0);
  EXPECT_EQ(CountPixels(grey, caption.Inflate(2, 1), Is(clWhite)), 0);
  EXPECT_EQ(grey.Pixel(width - 1, 12), shot.Pixel(width - 1, 12));

  // An icon style moves the caption right of half the icon face.
  bar->SetIconStyle(isSearch);
  EXPECT_EQ(bar->CaptionRect().Left, TitleIconFace().Width() / 2 + 15 + 5);
}

TBitmap MagentaGlyph() {
  TBitmap glyph(12, 10);
  glyph.Fill(clFuchsia);
  glyph.Canvas().Brush().SetColor(clNavy);
  glyph.Canvas().FillRect({3, 3, 9, 7});
  return glyph;
}

TEST(UiTransImage, TopLeftColourLetsTheParentShowThrough) {
  Stage stage;
  auto* image = stage.Put<TTransImage>(30, 40, 0, 0);
  EXPECT_EQ(image->Width(), 24);
  image->SetBitmap(MagentaGlyph());
  EXPECT_EQ(image->Width(), 12);  // auto-sized
  EXPECT_EQ(image->Height(), 10);
  stage.Show();
  TBitmap shot = Snapshot(stage.Form());
  EXPECT_EQ(CountPixels(shot, Is(clFuchsia)), 0);
  EXPECT_EQ(CountPixels(shot, Is(clNavy)), 6 * 4);
  EXPECT_EQ(shot.Pixel(30, 40), clGreen);

  // Stretched when it does not size itself, still without its background.
  image->SetAutoSize(false);
  image->SetBounds(30, 40, 24, 20);
  shot = Snapshot(stage.Form());
  EXPECT_EQ(CountPixels(shot, Is(clFuchsia)), 0);
  EXPECT_EQ(CountPixels(shot, Is(clNavy)), 12 * 8);

  // Opaque, it looks as stored.
  image->SetTransparent(false);
  EXPECT_EQ(CountPixels(Snapshot(stage.Form()), Is(clFuchsia)), 24 * 20 - 12 * 8);

  // Its own visible flag hides the picture but keeps the control in place.
  image->SetVisible(false);
  EXPECT_FALSE(image->Visible());
  EXPECT_TRUE(image->Showing());
  shot = Snapshot(stage.Form());
  EXPECT_EQ(CountPixels(shot, Is(clNavy)) + CountPixels(shot, Is(clFuchsia)), 0);
}

TEST(UiTransImage, KindsShowLibraryGlyphsAndResetEachOther) {
  Stage stage;
  auto* image = stage.Put<TTransImage>(0, 0, 0, 0);
  image->SetKindMare(mtWarning);
  EXPECT_EQ(image->Width(), 42);
  EXPECT_EQ(image->Height(), 64);
  EXPECT_EQ(&image->Shown(), &MessageIcon(mtWarning));
  image->SetKindAlte(glCrescator);
  EXPECT_EQ(image->KindMare(), mtCustom);
  EXPECT_EQ(&image->Shown(), &AlteGlyph(glCrescator));
  EXPECT_EQ(image->Width(), AlteGlyph(glCrescator).Width());
  image->SetKindMic(mkOK);
  EXPECT_EQ(image->KindAlte(), glCustom);
  EXPECT_EQ(&image->Shown(), &KindGlyph(mkOK));
  stage.Show();
  // Library glyphs have the button face behind them, which the image leaves out.
  EXPECT_EQ(CountPixels(Snapshot(stage.Form()), image->BoundsRect(), Is(ColorToRGB(clBtnFace))), 0);

  image->SetBitmap(MagentaGlyph());
  EXPECT_EQ(image->KindMic(), mkCustom);
  EXPECT_EQ(image->Width(), 12);
  // A kind without a picture shows nothing and keeps the size.
  image->SetKindMare(mtCustom);
  EXPECT_EQ(image->Width(), 12);
}

}  // namespace
