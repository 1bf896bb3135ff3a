// The first page of the upgrade road: finds the installed program and its database, and lets
// the user confirm or correct the program directory.
#pragma once

#include "ui/controls/active_edit.h"
#include "ui/controls/active_label.h"
#include "ui/controls/fmt_label.h"
#include "upgrade/find_app.h"
#include "wizard/directory_fields.h"
#include "wizard/wizard_page.h"

class TFindApp : public TWizardPage {
 public:
  TFindApp(TComponent* owner, TInstallState& state, upgrade::UpgradeLibraryPort& library,
           upgrade::SystemProbe& probe);

  DirectoryFields fields;
  TFmtLabel* dirlabel;
  TMButton* BBack;
  TMButton* BNext;
  TBevel* Bevel1;
  TNiceButton* BCancel;

 protected:
  void DoCreate() override;

 private:
  void BNextClick(TObject* sender);
  void BProgramClick(TObject* sender);
  // What the decisions say now; the program field only when they have a new directory for it,
  // so that a text typed over it stays.
  void ShowState(bool program_field);

  upgrade::TFindAppLogic logic_;
};

TForm* CreateFindAppPage(TInstallState& state, upgrade::UpgradeLibraryPort& library,
                         upgrade::SystemProbe& probe);
