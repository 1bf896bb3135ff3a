#include "ui/controls/gradient_fill.h"

#include "ui/core/gradient.h"

bool FillGradient(TCanvas& canvas, const TRect& r, TColor start, TColor end, bool horizontal) {
  if (!canvas.Handle()) return false;
  if (r.IsEmpty()) return true;
  const TColor from = ColorToRGB(start);
  const TColor to = ColorToRGB(end);
  const TColor saved = canvas.Brush().Color();
  const int extent = horizontal ? r.Width() : r.Height();
  for (int i = 0; i < extent; ++i) {
    canvas.Brush().SetColor(PanelGradientColor(from, to, i, extent));
    canvas.FillRect(horizontal ? TRect{r.Left + i, r.Top, r.Left + i + 1, r.Bottom}
                               : TRect{r.Left, r.Top + i, r.Right, r.Top + i + 1});
  }
  canvas.Brush().SetColor(saved);
  return true;
}
