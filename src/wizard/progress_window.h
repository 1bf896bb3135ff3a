// The small window of a silent run: the step being done and its gauge, in the toolkit's look.
#pragma once

#include "forms/forms.h"
#include "ui/controls/active_label.h"
#include "ui/forms/title_form.h"
#include "wizard/unattended.h"

class TProgressWindow : public TTitleForm, public TProgressHost {
 public:
  explicit TProgressWindow(TComponent* owner);

  void ShowStep(const std::string& text) override;
  void ShowGauge(int max, int position) override;

  TActiveLabel* LStep;
  TGauge* Progress;
};

// The progress of a very silent run: nothing shows.
class TNoProgress : public TProgressHost {
 public:
  void ShowStep(const std::string&) override {}
  void ShowGauge(int, int) override {}
};
