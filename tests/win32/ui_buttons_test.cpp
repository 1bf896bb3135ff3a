// The toolkit's push buttons on real windows: modal results, focus following the mouse among
// light buttons, the skinned button's highlight, pressed face and hit test, drawn captions.
#include <gtest/gtest.h>

#include <memory>

#include "support/form_driver.h"
#include "support/screen_pixels.h"
#include "ui/controls/m_button.h"
#include "ui/controls/nice_button.h"
#include "ui/controls/text_drawing.h"
#include "ui/glyphs/glyph_images.h"

namespace {

using testing_support::Grab;
using testing_support::Place;
using testing_support::Pump;

std::unique_ptr<TForm> NewForm() {
  std::unique_ptr<TForm> f(CreateForm<TForm>(nullptr));
  f->SetBounds(60, 60, 420, 260);
  f->SetColor(clBtnFace);
  return f;
}

void MouseTo(TControl& c, int x, int y) {
  const TPoint p = c.ClientToScreen({x, y});
  SetCursorPos(p.X, p.Y);
  Pump(60);
}

TEST(UiMButton, KindGivesCaptionAndResultUnlessSetByHand) {
  auto f = NewForm();
  auto* ok = Place<TMButton>(*f, 10, 10, 90, 40);
  ok->SetKind(mkOK);
  EXPECT_EQ(ok->Caption(), "O&K");
  EXPECT_EQ(ok->ModalResult(), mrOk);
  EXPECT_TRUE(ok->CaptionVisible());

  auto* next = Place<TMButton>(*f, 110, 10, 90, 40);
  next->SetCaption("&Continua");
  next->SetModalResult(mrNone);
  next->SetKind(mkCancel);
  EXPECT_EQ(next->Caption(), "&Continua");
  EXPECT_EQ(next->ModalResult(), mrNone);

  auto* prev = Place<TMButton>(*f, 210, 10, 90, 40);
  prev->SetKind(mkPrev);
  EXPECT_FALSE(prev->CaptionVisible());  // navigation kinds show only their glyph
}

TEST(UiMButton, ModalResultReachesTheFormBeforeTheClickHandler) {
  auto f = NewForm();
  auto* ok = Place<TMButton>(*f, 10, 10, 90, 40);
  ok->SetKind(mkOK);
  TModalResult seen = -1;
  ok->OnClick = [&](TObject*) { seen = f->ModalResult(); };
  testing_support::ModalScript script(
      {[](TForm& form) { EXPECT_TRUE(testing_support::ClickCaption(form, "OK")); }});
  EXPECT_EQ(f->ShowModal(), mrOk);
  EXPECT_EQ(seen, mrOk);

  // A button without a result of its own lets its handler decide.
  auto* next = Place<TMButton>(*f, 110, 10, 90, 40);
  next->SetCaption("&Continua");
  next->OnClick = [&](TObject*) {
    seen = f->ModalResult();
    f->SetModalResult(mrRetry);
  };
  testing_support::ModalScript again(
      {[](TForm& form) { EXPECT_TRUE(testing_support::ClickCaption(form, "&Continua")); }});
  EXPECT_EQ(f->ShowModal(), mrRetry);
  EXPECT_EQ(seen, mrNone);
}

TEST(UiMButton, FocusFollowsTheMouseAmongLightButtons) {
  auto f = NewForm();
  auto* back = Place<TMButton>(*f, 10, 10, 90, 40);
  back->SetCaption("&Inapoi");
  auto* next = Place<TMButton>(*f, 110, 10, 90, 40);
  next->SetCaption("&Continua");
  auto* classic = Place<TMButton>(*f, 210, 10, 90, 40);
  classic->SetCaption("&Abandon");
  classic->SetLightButton(false);
  f->Show();
  MouseTo(*f, 5, 200);
  back->SetFocus();
  Pump();
  EXPECT_TRUE(back->Hot());  // the focus makes it hot

  MouseTo(*next, 45, 20);
  EXPECT_TRUE(next->Focused());
  EXPECT_TRUE(next->Hot());
  EXPECT_FALSE(back->Hot());

  // A classic button does not take the focus from the mouse; the light one keeps it, hot.
  MouseTo(*classic, 45, 20);
  EXPECT_TRUE(next->Focused());
  EXPECT_TRUE(classic->Hot());
  MouseTo(*f, 5, 200);
  EXPECT_TRUE(next->Hot());
  EXPECT_FALSE(classic->Hot());
  f->Hide();
}

TEST(UiMButton, CaptionAcceleratorIsRedAndDisabledButtonsAreEmbossed) {
  auto f = NewForm();
  auto* b = Place<TMButton>(*f, 10, 10, 120, 40);
  b->SetCaption("&Da");
  b->SetColor(clWhite);
  f->Show();
  TBitmap shot = Grab(*b);
  const TRect all{0, 0, b->Width(), b->Height()};
  EXPECT_GT(testing_support::ColumnsOf(shot, clRed, all).count, 2);
  EXPECT_GT(testing_support::ColumnsOf(shot, clBlack, all).count, 2);

  b->SetEnabled(false);
  shot = Grab(*b);
  EXPECT_EQ(testing_support::ColumnsOf(shot, clRed, all).count, 0);
  EXPECT_GT(testing_support::ColumnsOf(shot, clGray, all).count, 2);
  f->Hide();
}

TEST(UiNiceButton, MouseOutsideTheFaceGoesThrough) {
  auto f = NewForm();
  auto* b = Place<TNiceButton>(*f, 10, 10, 120, 60);  // taller than its face
  b->SetKind(mkOK);
  f->Show();
  Pump();
  const TBitmap& face = GlyphImage("ButtonFaceZAN");
  ASSERT_FALSE(face.Empty());
  const int strip_top = (60 - face.Height()) / 2;
  const auto hit = [&](int x, int y) {
    const TPoint p = b->ClientToScreen({x, y});
    return SendMessageA(b->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y));
  };
  EXPECT_EQ(hit(80, 30), HTCLIENT);
  EXPECT_EQ(hit(80, strip_top - 2), HTNOWHERE);
  EXPECT_EQ(hit(80, strip_top + face.Height() + 1), HTNOWHERE);
  EXPECT_EQ(hit(10, 2), HTCLIENT);  // the glyph area answers over its whole height

  // A real click above the face does not press the button.
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  const auto click_at = [&](int x, int y) {
    MouseTo(*b, x, y);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
    Pump(80);
  };
  click_at(80, strip_top - 3);
  EXPECT_EQ(clicks, 0);
  click_at(80, 30);
  EXPECT_EQ(clicks, 1);
  f->Hide();
}

TEST(UiNiceButton, OneHighlightAtATimeAndABriefPressedFace) {
  auto f = NewForm();
  auto* yes = Place<TNiceButton>(*f, 10, 10, 100, 28);
  yes->SetKind(mkYes);
  auto* no = Place<TNiceButton>(*f, 120, 10, 100, 28);
  no->SetKind(mkNo);
  no->SetCaption("&Nu acum");
  no->SetKind(mkCancel);
  EXPECT_EQ(no->Caption(), "&Nu acum");  // set by hand: the kind leaves it
  EXPECT_EQ(no->ModalResult(), mrCancel);
  f->Show();
  MouseTo(*yes, 60, 14);
  EXPECT_TRUE(yes->Highlighted());
  MouseTo(*no, 60, 14);
  EXPECT_TRUE(no->Highlighted());
  EXPECT_FALSE(yes->Highlighted());
  EXPECT_EQ(TNiceButton::HighlightedButton(), no);

  bool down_in_handler = false;
  yes->OnClick = [&](TObject*) { down_in_handler = yes->ForcedDown(); };
  yes->SetFocus();
  SendMessageA(yes->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(down_in_handler);
  Pump(150);
  EXPECT_FALSE(yes->ForcedDown());
  EXPECT_TRUE(yes->Highlighted());  // focused: stays lit after the click
  f->Hide();
}

TEST(UiNiceButton, BufferedLooksMatchDirectDrawing) {
  auto f = NewForm();
  auto* direct = Place<TNiceButton>(*f, 10, 10, 110, 28);
  direct->SetKind(mkRetry);
  auto* buffered = Place<TNiceButton>(*f, 10, 50, 110, 28);
  buffered->SetKind(mkRetry);
  buffered->SetBuffered(true);
  f->Show();
  MouseTo(*f, 300, 200);
  // Both focused in turn, so that both show the same look.
  direct->SetFocus();
  const TBitmap a = Grab(*direct);
  buffered->SetFocus();
  const TBitmap b = Grab(*buffered);
  int differ = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) differ += a.Pixel(x, y) != b.Pixel(x, y);
  EXPECT_EQ(differ, 0);
  // Resizing renders the looks again at the new size.
  buffered->SetWidth(140);
  const TBitmap wide = Grab(*buffered);
  EXPECT_EQ(wide.Pixel(135, 14), a.Pixel(105, 14));  // the right cap moved with the edge
  f->Hide();
}

TEST(UiTextDrawing, AcceleratorLetterTakesTheHighlightOrAnUnderline) {
  TBitmap b(120, 20);
  b.Fill(clWhite);
  TCanvas& c = b.Canvas();
  c.Font().SetColor(clBlack);
  c.Brush().SetStyle(bsClear);
  DrawAcceleratorText(c, "CLIEN&T", {0, 0, 120, 20}, false, clRed, DT_SINGLELINE);
  const auto red = testing_support::ColumnsOf(b, clRed, {0, 0, 120, 20});
  const auto black = testing_support::ColumnsOf(b, clBlack, {0, 0, 120, 20});
  ASSERT_GT(red.count, 0);
  EXPECT_GT(red.first, black.first);
  // The letter follows the text before it without a gap.
  TRect before{0, 0, 0, 0};
  c.DrawText("CLIEN", before, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_LE(red.first - before.Right, 2);

  // The same colour for both: the letter is underlined instead.
  b.Fill(clWhite);
  DrawAcceleratorText(c, "&Da", {0, 0, 120, 20}, false, clBlack, DT_SINGLELINE);
  const auto rows = testing_support::RowsOf(b, clBlack, {0, 0, 120, 20});
  TBitmap plain(120, 20);
  plain.Fill(clWhite);
  plain.Canvas().Font().SetColor(clBlack);
  TRect r{0, 0, 120, 20};
  plain.Canvas().DrawText("Da", r, DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_GT(rows.last, testing_support::RowsOf(plain, clBlack, {0, 0, 120, 20}).last);
}

}  // namespace
