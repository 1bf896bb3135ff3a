// The base of every wizard page: the shared frame over the installation state of the run. The
// driver sets the step before it creates a page; a page only reads and writes the choices.
#pragma once

#include <string>

#include "state/install_state.h"
#include "wizard/page_frame.h"

class TWizardPage : public TTitleForm {
 public:
  TTitleBar* TitleBar1;

 protected:
  TWizardPage(TComponent* owner, TInstallState& state, const std::string& title,
              const PageFrameLayout& layout = {})
      : TTitleForm(owner), state_(state), frame_(BuildPageFrame(*this, title, layout)) {
    TitleBar1 = frame_.title_bar;
  }

  TInstallState& state_;
  const PageFrame frame_;
};
