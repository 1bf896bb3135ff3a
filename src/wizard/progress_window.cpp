#include "wizard/progress_window.h"

#include "wizard/page_frame.h"

TProgressWindow::TProgressWindow(TComponent* owner) : TTitleForm(owner) {
  BuildDialogFrame(*this, "Instalare RidOZIZUZ", 400, 92);
  Position = poScreenCenter;
  LStep = PlaceControl<TActiveLabel>(this, this, "LStep", 12, 36, 376, 17);
  LStep->SetAutoSize(false);
  LStep->SetAlignment(taCenter);
  // Piece and file names may hold an ampersand.
  LStep->SetShowAccelChar(false);
  LStep->Font().SetName("MS Sans Serif");
  LStep->Font().SetHeight(-11);
  LStep->Font().SetStyle(fsBold);
  Progress = PlaceControl<TGauge>(this, this, "Progress", 12, 60, 376, 19);
  Progress->SetMaxValue(100);
}

void TProgressWindow::ShowStep(const std::string& text) {
  LStep->SetCaption(text);
  LStep->Repaint();
  Application.ProcessMessages();
}

void TProgressWindow::ShowGauge(int max, int position) {
  Progress->SetMaxValue(max > 0 ? max : 1);
  Progress->SetProgress(position);
  Progress->Repaint();
  Application.ProcessMessages();
}
