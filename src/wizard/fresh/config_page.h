// The configuration page of the fresh installation: one line per configuration task, run in a
// fixed order by "&Continua", each line marked as its task returns.
#pragma once

#include "wizard/wizard_page.h"

class TConfig : public TWizardPage {
 public:
  TConfig(TComponent* owner, TInstallState& state);

  TMButton* BBack;
  TMButton* BNext;
  TNiceButton* BCancel;
  TPanel* BBDE;
  TPanel* BCFGSYS;
  TPanel* BGROUP;
  TBevel* Bevel1;
  TBevel* Bevel2;

 protected:
  void DoCreate() override;
  // The configuration tasks, in the order they run. Each reports its own failures; only the
  // engine task lets one escape.
  virtual void DoConfigBDE();
  virtual void DoConfigConfigSys();
  virtual void DoConfigGroup();

 private:
  void BNextClick(TObject* sender);
  // The task has returned, whatever its outcome: the line shows it and the window catches up.
  void MarkDone(TPanel& line);
};

TForm* CreateConfigPage(TInstallState& state);
