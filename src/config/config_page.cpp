#include "config/config_page.h"

#include "app/install_state.h"
#include "config/config_bde_task.h"
#include "config/config_sys_task.h"
#include "config/program_group.h"
#include "config/task_line.h"

TConfig::TConfig(TComponent* owner) : TTitleForm(owner) {
  Font().SetName("System");
  Font().SetHeight(-13);
  const PageFrame frame = BuildPageFrame(*this, "Configurare sistem", {53, 51, 66, 108, true});
  TitleBar1 = frame.title_bar;
  BBack = frame.back;
  BNext = frame.next;
  BCancel = frame.cancel;
  Bevel1 = frame.cancel_frame;
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
  InstallState.CurrentStep = 5;
  for (TPanel* line : {BBDE, BCFGSYS, BGROUP}) SetTaskLineDone(*line, false);
  TTitleForm::DoCreate();
}

void TConfig::BNextClick(TObject*) {
  BNext->SetEnabled(false);
  // A failure that escapes the engine task ends the list here: the framework reports it, the
  // other lines stay pending and the page stays open for going back or abandoning.
  DoConfigBDE();
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
  ::DoConfigBDE();
}

void TConfig::DoConfigConfigSys() {
  ::DoConfigConfigSys();
}

void TConfig::DoConfigGroup() {
  ::DoConfigGroup();
}

void TConfig::MarkDone(TPanel& line) {
  SetTaskLineDone(line, true);
  Application.ProcessMessages();
}

TForm* CreateConfigPage() {
  return CreateForm<TConfig>(&Application);
}
