#include "ui/controls/active_label.h"

#include "ui/controls/text_drawing.h"

namespace {

constexpr size_t kMaxShown = 255;

}  // namespace

TActiveLabel::TActiveLabel(TComponent* owner) : TLabel(owner) {
  SetAutoSize(false);
}

void TActiveLabel::Click() {
  if (TWinControl* field = FocusControl(); field && field->CanFocus()) field->SetFocus();
  TLabel::Click();
}

void TActiveLabel::Paint() {
  TCanvas& canvas = Canvas();
  const TRect r = ClientRect();
  if (!Transparent()) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
  }
  canvas.Brush().SetStyle(bsClear);
  std::string text = Caption().substr(0, kMaxShown);
  UINT flags = DT_SINGLELINE;
  if (Alignment() == taRightJustify) flags |= DT_RIGHT;
  if (Alignment() == taCenter) flags |= DT_CENTER;
  if (!Enabled()) {
    DrawEmbossedText(canvas, text, r, flags | (ShowAccelChar() ? 0 : DT_NOPREFIX));
  } else if (ShowAccelChar()) {
    if (text.empty() || text == "&") text = " ";
    const bool focused = FocusControl() && FocusControl()->Focused();
    DrawAcceleratorText(canvas, text, r, focused, clRed, flags);
  } else {
    TRect box = r;
    canvas.DrawText(text, box, flags | DT_NOPREFIX);
  }
  canvas.Brush().SetStyle(bsSolid);
}
