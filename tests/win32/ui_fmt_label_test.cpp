// The formatted label painted on a real window: colours and sizes read back from its pixels,
// shadows, growth, placement in its parent and blinking.
#include <gtest/gtest.h>

#include <memory>

#include "support/screen_pixels.h"
#include "ui/controls/fmt_label.h"

namespace {

using testing_support::ColumnsOf;
using testing_support::Grab;
using testing_support::Pump;
using testing_support::RowsOf;

class FmtLabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.reset(CreateForm<TForm>(nullptr));
    form->SetBorderStyle(bsNone);
    form->SetBounds(40, 40, 400, 200);
    form->SetColor(clWhite);
    label = new TFmtLabel(form.get());
    label->SetBounds(10, 10, 5, 5);
    label->SetParent(form.get());
    label->Font().SetColor(clBlack);
    label->SetTransparent(true);
    form->Show();
  }
  void TearDown() override { form->Hide(); }
  TBitmap Shot() {
    Pump(40);
    return Grab(*form);
  }
  TRect Area() const { return {0, 0, form->ClientWidth(), form->ClientHeight()}; }

  std::unique_ptr<TForm> form;
  TFmtLabel* label = nullptr;
};

TEST_F(FmtLabelTest, PaletteColoursFollowTheirMarkersAndEscapesShowThem) {
  label->SetCaption("neagra @9rosie@12 albastra");
  const TBitmap shot = Shot();
  const auto black = ColumnsOf(shot, clBlack, Area());
  const auto red = ColumnsOf(shot, clRed, Area());
  const auto blue = ColumnsOf(shot, clBlue, Area());
  ASSERT_GT(red.count, 5);
  ASSERT_GT(blue.count, 5);
  EXPECT_LT(black.first, red.first);
  EXPECT_LT(red.last, blue.first);

  // Escaped, the marker and its digit are text in the label's own colour.
  label->SetCaption("text \\@9 negru");
  const TBitmap escaped = Shot();
  EXPECT_EQ(ColumnsOf(escaped, clRed, Area()).count, 0);
  EXPECT_GT(label->Width(), 40);
}

TEST_F(FmtLabelTest, SizesMakeTallerLinesAndTheLabelGrowsButNeverShrinks) {
  label->SetCaption("@9&8Mic");
  const auto small = RowsOf(Shot(), clRed, Area());
  const int small_height = label->Height();
  label->SetCaption("@9&20Mare");
  const auto big = RowsOf(Shot(), clRed, Area());
  EXPECT_GT(big.last - big.first, 2 * (small.last - small.first));
  EXPECT_GT(label->Height(), 2 * small_height);
  const int grown_width = label->Width(), grown_height = label->Height();

  label->SetCaption("@9a");
  Shot();
  EXPECT_EQ(label->Width(), grown_width);
  EXPECT_EQ(label->Height(), grown_height);

  // Each line adds its height.
  label->SetCaption("&20unu\r&20doi\r&20trei");
  Shot();
  EXPECT_GE(label->Height(), 3 * (big.last - big.first));
}

TEST_F(FmtLabelTest, ShadowIsDrawnOnePixelRightAndDown) {
  label->SetShadowColor(clLime);
  label->SetCaption("@9%umbra");
  const TBitmap shot = Shot();
  const auto red = ColumnsOf(shot, clRed, Area());
  const auto lime = ColumnsOf(shot, clLime, Area());
  ASSERT_GT(lime.count, 0);
  EXPECT_EQ(lime.last, red.last + 1);
  EXPECT_EQ(RowsOf(shot, clLime, Area()).last, RowsOf(shot, clRed, Area()).last + 1);
}

TEST_F(FmtLabelTest, PlacesItselfInItsParentAndAlignsItsLines) {
  label->SetCaption("@9dreapta");
  label->SetFmtAlign(alMRight);
  Shot();
  EXPECT_EQ(label->Left(), form->ClientWidth() - label->Width() - 2);
  label->SetFmtAlign(alMBottom);
  Shot();
  EXPECT_EQ(label->Top(), form->ClientHeight() - label->Height() - 1);
  label->SetFmtAlign(alMCenter);
  Shot();
  EXPECT_EQ(label->Left(), (form->ClientWidth() - label->Width()) / 2);

  // A short line goes to the right edge of a right-justified label.
  label->SetFmtAlign(alMNone);
  label->SetAlignment(taRightJustify);
  label->SetCaption("@12un rand lung de tot\r@9scurt");
  const TBitmap shot = Shot();
  const TRect lines{label->Left(), label->Top(), label->Left() + label->Width(),
                    label->Top() + label->Height()};
  EXPECT_GE(ColumnsOf(shot, clRed, lines).last, ColumnsOf(shot, clBlue, lines).last - 3);
  EXPECT_GT(ColumnsOf(shot, clRed, lines).first, ColumnsOf(shot, clBlue, lines).first + 20);
}

TEST_F(FmtLabelTest, BlinkingTextComesAndGoes) {
  label->SetCaption("fix @9~clipeste~");
  TBitmap shot = Shot();
  EXPECT_EQ(label->BlinkCount(), 1);
  bool seen_gone = false, seen_back = false;
  for (int i = 0; i < 12 && !(seen_gone && seen_back); ++i) {
    Pump(100);
    TBitmap now(form->ClientWidth(), form->ClientHeight());
    HDC dc = GetDC(form->Handle());
    BitBlt(now.Canvas().Handle(), 0, 0, now.Width(), now.Height(), dc, 0, 0, SRCCOPY);
    ReleaseDC(form->Handle(), dc);
    const int red = ColumnsOf(now, clRed, Area()).count;
    (red == 0 ? seen_gone : seen_back) = true;
    EXPECT_GT(ColumnsOf(now, clBlack, Area()).count, 5);  // the rest stays
  }
  EXPECT_TRUE(seen_gone);
  EXPECT_TRUE(seen_back);
  label->Elibereaza_BlinkList();
  EXPECT_EQ(label->BlinkCount(), 0);
}

}  // namespace
