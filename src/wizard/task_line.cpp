#include "wizard/task_line.h"

namespace {

constexpr TColor kDoneColour = 0x0000FF;
constexpr TColor kPendingColour = 0;

}  // namespace

TPanel* MakeTaskLine(TComponent* owner, TWinControl* parent, int left, int top, int width,
                     int height, const std::string& caption) {
  auto* line = new TPanel(owner);
  line->SetBounds(left, top, width, height);
  line->SetCaption(caption);
  line->Font().SetName("MS Sans Serif");
  line->Font().SetHeight(-11);
  line->Font().SetStyle(fsBold);
  line->SetParent(parent);
  SetTaskLineDone(*line, false);
  return line;
}

void SetTaskLineDone(TPanel& line, bool done) {
  line.SetBevelOuter(done ? bvRaised : bvNone);
  line.Font().SetColor(done ? kDoneColour : kPendingColour);
  line.SetAlignment(done ? taLeftJustify : taRightJustify);
  if (line.HandleAllocated()) line.Repaint();
}

bool TaskLineDone(const TPanel& line) {
  return line.BevelOuter() == bvRaised && line.Font().Color() == kDoneColour &&
         line.Alignment() == taLeftJustify;
}
