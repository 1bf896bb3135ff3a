#include "wizard/copy_page.h"

#include <windows.h>

#include "copy/brask_extraction.h"
#include "os/os.h"
#include "os/text_encoding.h"
#include "state/steps.h"
#include "ui/message/mesaj_dlg.h"
#include "unzip/brask_unzip.h"
#include "unzip/unzip_hooks.h"
#include "wizard/rollback_offer.h"

namespace {

constexpr TColor kPanelColor = 11974326;

// The extraction keeps the windows alive through the framework's own loop, so that the
// framework's message handling (keys, modal windows, releases) stays in force.
void PumpApplication(unzip::WindowHandle) {
  Application.ProcessMessages();
}

// Puts the engine's pump back even when the copy fails.
class PumpScope {
 public:
  PumpScope() : previous_(unzip::SetMessagePumpHook(&PumpApplication)) {}
  ~PumpScope() { unzip::SetMessagePumpHook(previous_); }
  PumpScope(const PumpScope&) = delete;
  PumpScope& operator=(const PumpScope&) = delete;

 private:
  unzip::MessagePumpHook previous_;
};

void UseControlFont(TControl* control) {
  control->Font().SetName("MS Sans Serif");
  control->Font().SetHeight(-11);
}

}  // namespace

TCopyPage::TCopyPage(TComponent* owner, TInstallState& state, const copy::MediaManifest* media)
    : TWizardPage(owner, state, "Copiere fisiere Vortel"), media_(media) {
  TitleBar1->SetCaptionColor(clWhite);
  BBack = frame_.left;
  BNext = frame_.right;
  BNext->SetModalResult(mrOk);
  BNext->OnClick = [this](TObject* sender) { BNextClick(sender); };
  BCancel = frame_.bevel_button;

  LGroupName = PlaceControl<TActiveLabel>(this, this, "LGroupName", 154, 94, 339, 17);
  LGroupName->SetAutoSize(false);
  LGroupName->SetAlignment(taCenter);
  // Piece and file names may hold an ampersand.
  LGroupName->SetShowAccelChar(false);
  UseControlFont(LGroupName);
  LGroupName->Font().SetColor(clRed);
  LGroupName->Font().SetStyle(fsBold);
  LGroupName->SetCaption("Apasa 'Continua' pentru a incepe instalarea.....");

  Panel1 = PlaceControl<TPanel>(this, this, "Panel1", 175, 33, 302, 56);
  Panel1->SetBevelInner(bvLowered);
  Panel1->SetBevelOuter(bvNone);
  Panel1->SetColor(kPanelColor);
  Panel1->SetCaption("");
  UseControlFont(Panel1);

  PlaceControl<TLabel>(this, Panel1, "", 8, 11, 0, 0)->SetCaption("Copiere:");
  CopyProgress = PlaceControl<TGauge>(this, Panel1, "CopyProgress", 94, 8, 193, 19);
  PlaceControl<TLabel>(this, Panel1, "", 8, 31, 0, 0)->SetCaption("Decompresie:");
  UnzipProgress = PlaceControl<TGauge>(this, Panel1, "UnzipProgress", 94, 29, 193, 19);
  UnzipProgress->SetMaxValue(100);
}

void TCopyPage::BNextClick(TObject*) {
  if (!DirectoriesChosen()) {
    // Relative names would land in whatever directory is current: the user chooses again.
    ShowError("Directoarele destinatie nu sunt stabilite.");
    SetModalResult(mrRetry);
    return;
  }
  // Nothing else may start while the copy runs; the page closes afterwards.
  BBack->SetEnabled(false);
  BNext->SetEnabled(false);
  BCancel->SetEnabled(false);
  const size_t failures_before = state_.Failures.size();
  int result;
  {
    PumpScope pump;
    copy::BraskExtraction<unzip::TBraskUnzip> port;
    result = RunCopy(port);
  }
  // What could not be copied leaves the product unusable: the person may undo it all.
  if (state_.Failures.size() > failures_before && OfferRollback(state_)) result = kPageAbandon;
  SetModalResult(static_cast<TModalResult>(result));
}

bool TCopyPage::DirectoriesChosen() const {
  const TInstallState& s = state_;
  // A client installation takes no data archives.
  const bool needs_data = s.InstallType == itLocal || s.InstallType == itServer;
  return !s.ProgramDir.empty() && !s.ProgramDirOffered.empty() &&
         (!needs_data || !s.DataDir.empty());
}

void TCopyPage::SetStatus(const std::string& text) {
  LGroupName->SetCaption(text);
  LGroupName->Repaint();
}

void TCopyPage::SetGaugeMax(int max) {
  CopyProgress->SetMaxValue(max);
  CopyProgress->Repaint();
}

void TCopyPage::SetGaugePosition(int position) {
  CopyProgress->SetProgress(position);
  CopyProgress->Repaint();
}

int TCopyPage::AskForDisk(int, const std::string& text) {
  return MesajDlg(text, "", mtWarning, taCenter, kButtonsOKCancel, mbOK, 0);
}

void TCopyPage::SetMessageSuffix(const std::string& suffix) {
  MessageSuffix = suffix;
}

void TCopyPage::ShowError(const std::string& text) {
  MesajDlg(text, "", mtError, taCenter, kButtonsOK, mbOK, 0);
}

void TCopyPage::ShowWarning(const std::string& text) {
  ShowError(text);
}

void TCopyPage::ShowPlainMessage(const std::string& text) {
  MessageBoxW(HandleAllocated() ? Handle() : nullptr, os::WideShown(text).c_str(),
              os::WideShown(Application.Title()).c_str(), MB_OK);
}

bool TCopyPage::IsRemovableDrive(const std::string& root) {
  return os::IsRemovableDrive(root);
}

bool TCopyPage::AskRetry(const std::string& text, const std::string& caption) {
  return ::AskRetry(text, caption);
}

changes::LockedFile TCopyPage::OnFileInUse(const std::string& path) {
  return AskRetry(changes::FileInUseText(path), changes::kFileInUseCaption)
             ? changes::LockedFile::kRetry
             : changes::LockedFile::kLeave;
}

void TCopyPage::SetUnzipPosition(int percent) {
  UnzipProgress->SetProgress(percent);
  UnzipProgress->Repaint();
}
