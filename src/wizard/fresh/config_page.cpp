#include "wizard/fresh/config_page.h"

#include <exception>

#include "bde/configure_engine.h"
#include "config/config_sys_task.h"
#include "config/program_group.h"
#include "state/steps.h"
#include "wizard/rollback_offer.h"
#include "wizard/task_line.h"

TConfig::TConfig(TComponent* owner, TInstallState& state)
    : TWizardPage(owner, state, "Configurare sistem",
                  {kBackButton, kNextButton, true, AbandonButton(53, 51, 66, 108, true)}) {
  BBack = frame_.left;
  BNext = frame_.right;
  BCancel = frame_.bevel_button;
  Bevel1 = frame_.bevel;
  BNext->OnClick = [this](TObject* sender) { BNextClick(sender); };

  BBDE = MakeTaskLine(this, this, 165, 25, 308, 18, " Configurare BDE");
  BBDE->SetName("BBDE");
  BCFGSYS = MakeTaskLine(this, this, 165, 43, 308, 18, " Actualizare CONFIG.SYS");
  BCFGSYS->SetName("BCFGSYS");
  BGROUP = MakeTaskLine(this, this, 165, 61, 308, 18, " Creare grup");
  BGROUP->SetName("BGROUP");
  Bevel2 = PlaceControl<TBevel>(this, this, "Bevel2", 480, 28, 2, 85);
}

void TConfig::DoCreate() {
  for (TPanel* line : {BBDE, BCFGSYS, BGROUP}) SetTaskLineDone(*line, false);
  TWizardPage::DoCreate();
}

void TConfig::BNextClick(TObject*) {
  BNext->SetEnabled(false);
  // A failure of the engine task ends the list here: the framework reports it, the other lines
  // stay pending, and the person may undo the installation or go back or abandon.
  try {
    DoConfigBDE();
  } catch (...) {
    Application.HandleException(std::current_exception());
    if (OfferRollback(state_)) SetModalResult(kPageAbandon);
    return;
  }
  MarkDone(*BBDE);
  DoConfigConfigSys();
  MarkDone(*BCFGSYS);
  DoConfigGroup();
  MarkDone(*BGROUP);
  // Also over a click on "&Inapoi" or "&Abandon" handled while the tasks ran.
  SetModalResult(mrOk);
  BNext->SetEnabled(true);
}

void TConfig::DoConfigBDE() {
  try {
    ::DoConfigBDE(state_);
  } catch (const std::exception& failure) {
    // The framework shows it; the run remembers that the product is not configured.
    state_.Failures.push_back(failure.what());
    throw;
  }
}

void TConfig::DoConfigConfigSys() {
  ::DoConfigConfigSys(state_);
}

void TConfig::DoConfigGroup() {
  ::DoConfigGroup(state_);
}

void TConfig::MarkDone(TPanel& line) {
  SetTaskLineDone(line, true);
  Application.ProcessMessages();
}

TForm* CreateConfigPage(TInstallState& state) {
  return CreateForm<TConfig>(&Application, state);
}
