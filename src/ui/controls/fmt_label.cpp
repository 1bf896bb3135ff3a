#include "ui/controls/fmt_label.h"

TFmtLabel::TFmtLabel(TComponent* owner) : TLabel(owner) {
  SetAutoSize(false);  // the label sizes itself from the formatted text
}

TFmtLabel::~TFmtLabel() {
  Elibereaza_BlinkList();
}

void TFmtLabel::SetFmtAlign(TMAlign align) {
  fmt_align_ = align;
  Invalidate();
}

void TFmtLabel::SetShadowColor(TColor colour) {
  shadow_color_ = colour;
  Invalidate();
}

void TFmtLabel::Elibereaza_BlinkList() {
  blinks_.clear();
}

void TFmtLabel::SelectFont(TCanvas& canvas, const FmtFont& font) {
  TFont& f = canvas.Font();
  f.Assign(Font());  // name and character set stay the label's
  // The label's own size keeps its height in pixels, which a round trip through points at
  // other than 96 pixels per inch would not.
  if (font.size != Font().Size()) f.SetSize(font.size);
  f.SetStyle(font.style);
  f.SetColor(font.color);
}

void TFmtLabel::DrawSegment(TCanvas& canvas, const FmtSegment& segment, int left, int top,
                            bool shown) {
  SelectFont(canvas, segment.font);
  canvas.Brush().SetStyle(bsClear);
  if (segment.shadow) {
    canvas.Font().SetColor(shadow_color_);
    canvas.TextOut(left + kFmtShadowOffset, top + kFmtShadowOffset, segment.text);
  }
  TColor colour = segment.font.color;
  if (!shown) colour = Transparent() && Parent() ? Parent()->Color() : Color();
  canvas.Font().SetColor(colour);
  canvas.TextOut(left, top, segment.text);
  canvas.Brush().SetStyle(bsSolid);
}

void TFmtLabel::Paint() {
  Elibereaza_BlinkList();
  const std::string caption = Caption();
  if (caption.empty()) return;
  TCanvas& canvas = Canvas();
  if (!Transparent()) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
  }

  const FmtFont base{Font().Color(), Font().Size(), Font().Style()};
  const FmtMetrics metrics{[&](const FmtFont& font, std::string_view text) {
                             SelectFont(canvas, font);
                             return canvas.TextWidth(std::string(text));
                           },
                           [&](const FmtFont& font) {
                             SelectFont(canvas, font);
                             return canvas.TextHeight("Wg");
                           }};
  FmtLayoutInput in;
  in.lines = ParseFmtCaption(caption, base);
  in.bounds = {Left(), Top(), Width(), Height()};
  in.parent_width = Parent() ? Parent()->ClientWidth() : 0;
  in.parent_height = Parent() ? Parent()->ClientHeight() : 0;
  in.align = Parent() ? fmt_align_ : alMNone;
  in.alignment = Alignment();
  in.word_wrap = WordWrap();
  const FmtLabelLayout layout = LayoutFmtLabel(std::move(in), metrics);
  const FmtLabelBounds& b = layout.bounds;
  // Moving or growing repaints the label in its new place.
  if (b.left != Left() || b.top != Top() || b.width != Width() || b.height != Height())
    SetBounds(b.left, b.top, b.width, b.height);

  for (const FmtPlacedLine& line : layout.placed) {
    for (const FmtPlacedSegment& placed : line.segments) {
      const FmtSegment& segment = *placed.segment;
      if (segment.text.empty()) continue;
      DrawSegment(canvas, segment, placed.left, placed.top, true);
      if (!segment.blink) continue;
      auto blink = std::make_unique<Blink>();
      blink->segment = segment;
      blink->left = placed.left;
      blink->top = placed.top;
      blink->timer = std::make_unique<TTimer>(nullptr);
      blink->timer->SetInterval(kFmtBlinkMilliseconds);
      Blink* raw = blink.get();
      blink->timer->SetOnTimer([this, raw](TObject*) { BlinkTick(*raw); });
      blinks_.push_back(std::move(blink));
    }
  }
}

void TFmtLabel::BlinkTick(Blink& blink) {
  if (!Showing() || !Parent() || !Parent()->HandleAllocated()) return;
  blink.shown = !blink.shown;
  HWND window = Parent()->Handle();
  HDC dc = GetDC(window);
  if (!dc) return;
  IntersectClipRect(dc, Left(), Top(), Left() + Width(), Top() + Height());
  SetViewportOrgEx(dc, Left(), Top(), nullptr);
  {
    TCanvas canvas(dc);
    DrawSegment(canvas, blink.segment, blink.left, blink.top, blink.shown);
  }
  ReleaseDC(window, dc);
}
