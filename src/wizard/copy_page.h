// The form both copy pages share: the status line, the copy and decompression gauges, and the
// three buttons, all disabled while the continue button's work runs. It shows the work of a
// copy controller and closes with the controller's modal result.
#pragma once

#include <string>

#include "copy/copy_controller.h"
#include "copy/extraction_port.h"
#include "ui/controls/active_label.h"
#include "wizard/wizard_page.h"

class TCopyPage : public TWizardPage, public copy::CopyHost {
 public:
  TActiveLabel* LGroupName;
  TPanel* Panel1;
  TGauge* CopyProgress;
  TGauge* UnzipProgress;
  TMButton* BBack;
  TMButton* BNext;
  TNiceButton* BCancel;

  // The status line, the gauges and the disk prompt, as the copy shows them.
  void SetStatus(const std::string& text) override;
  void SetGaugeMax(int max) override;
  void SetGaugePosition(int position) override;
  int AskForDisk(int disk, const std::string& text) override;
  void SetMessageSuffix(const std::string& suffix) override;
  void ShowError(const std::string& text) override;
  void ShowWarning(const std::string& text) override;
  void ShowPlainMessage(const std::string& text) override;
  bool IsRemovableDrive(const std::string& root) override;
  void SetUnzipPosition(int percent) override;
  bool AskRetry(const std::string& text, const std::string& caption) override;
  changes::LockedFile OnFileInUse(const std::string& path) override;

 protected:
  TCopyPage(TComponent* owner, TInstallState& state, const copy::MediaManifest* media);

  // The page's own copy over the extraction component; returns the page's modal result.
  virtual int RunCopy(copy::ExtractionPort& port) = 0;

  const copy::MediaManifest* media_;

 private:
  void BNextClick(TObject* sender);
  // The directories the copy writes to are known.
  bool DirectoriesChosen() const;
};
