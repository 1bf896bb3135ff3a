// The database upgrade page: runs the selected tasks of the upgrade library in order, shows the
// library's progress texts and marks each task's outcome.
#pragma once

#include <array>

#include "ui/controls/active_check_box.h"
#include "ui/controls/fmt_label.h"
#include "upgrade/upgrade_tasks.h"
#include "wizard/wizard_page.h"

class TUpgData : public TWizardPage, private upgrade::UpgradeDataHost {
 public:
  TUpgData(TComponent* owner, TInstallState& state, upgrade::UpgradeLibraryPort& library);

  TLabel* L1;
  TBevel* Bevel2;
  std::array<TFmtLabel*, upgrade::kTaskCount> Lk;  // Lk1, Lk2, Lk3
  TPanel* BStruct;
  TPanel* BLists;
  TPanel* BConst;
  std::array<TActiveCheckBox*, upgrade::kTaskCount> Ck;  // Ck1, Ck2, Ck3
  TMButton* BBack;
  TMButton* BNext;
  TBevel* Bevel1;
  TNiceButton* BCancel;

  bool QuickVerification() const { return logic_.QuickVerification(); }

 protected:
  void DoCreate() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;

 private:
  void BNextClick(TObject* sender);

  void ShowReportLabel(bool visible) override;
  void SetReportText(const std::string& text) override;
  void SetReportColour(uint32_t colour) override;
  void EnableButtons(bool enabled) override;
  void ShowMark(int task, bool visible) override;
  void MarkFailed(int task) override;
  void SetPanelDone(int task, bool done) override;
  void ProcessMessages() override;

  std::array<TPanel*, upgrade::kTaskCount> panels_;
  bool tasks_ran_ = false;
  upgrade::TUpgDataLogic logic_;
};

TForm* CreateUpgDataPage(TInstallState& state, upgrade::UpgradeLibraryPort& library);
