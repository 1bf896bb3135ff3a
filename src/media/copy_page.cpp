#include "media/copy_page.h"

#include <windows.h>

#include "forms/place_control.h"
#include "media/brask_extraction.h"
#include "media/brask_unzip.h"
#include "media/engine_hooks.h"
#include "ui/mesaj_dlg.h"

namespace {

constexpr TColor kPanelColor = 11974326;

// The extraction keeps the windows alive through the framework's own loop, so that the
// framework's message handling (keys, modal windows, releases) stays in force.
void PumpApplication(media::WindowHandle) {
  Application.ProcessMessages();
}

// Puts the engine's pump back even when the copy fails.
class PumpScope {
 public:
  PumpScope() : previous_(media::SetMessagePumpHook(&PumpApplication)) {}
  ~PumpScope() { media::SetMessagePumpHook(previous_); }
  PumpScope(const PumpScope&) = delete;
  PumpScope& operator=(const PumpScope&) = delete;

 private:
  media::MessagePumpHook previous_;
};

void UseControlFont(TControl* control) {
  control->Font().SetName("MS Sans Serif");
  control->Font().SetHeight(-11);
}

TMButton* NavigationButton(TCopyPage* page, TMButtonKind kind, const char* caption, int left,
                           TModalResult result) {
  auto* button = PlaceControl<TMButton>(page, page, "", left, 52, 67, 51);
  button->SetKind(kind);
  button->SetCaption(caption);
  button->SetCaptionVisible(true);
  button->SetModalResult(result);
  button->SetButtonLayout(blGlyphTop);
  button->SetSpacing(5);
  UseControlFont(button);
  return button;
}

}  // namespace

TCopyPage::TCopyPage(TComponent* owner, uint8_t step) : TTitleForm(owner), step_(step) {
  SetBorderStyle(bsDialog);
  SetClientWidth(637);
  SetClientHeight(114);
  Font().SetName("System");
  Font().SetHeight(-13);

  TitleBar1 = new TTitleBar(this);
  TitleBar1->SetName("TitleBar1");
  TitleBar1->SetAlign(alTop);
  TitleBar1->SetHeight(25);
  TitleBar1->SetCaptionColor(clWhite);
  TitleBar1->SetParent(this);

  LGroupName = PlaceControl<TActiveLabel>(this, this, "", 154, 94, 339, 17);
  LGroupName->SetName("LGroupName");
  LGroupName->SetAutoSize(false);
  LGroupName->SetAlignment(taCenter);
  // Piece and file names may hold an ampersand.
  LGroupName->SetShowAccelChar(false);
  UseControlFont(LGroupName);
  LGroupName->Font().SetColor(clRed);
  LGroupName->Font().SetStyle(fsBold);
  LGroupName->SetCaption("Apasa 'Continua' pentru a incepe instalarea.....");

  Panel1 = PlaceControl<TPanel>(this, this, "", 175, 33, 302, 56);
  Panel1->SetName("Panel1");
  Panel1->SetBevelInner(bvLowered);
  Panel1->SetBevelOuter(bvNone);
  Panel1->SetColor(kPanelColor);
  Panel1->SetCaption("");
  UseControlFont(Panel1);

  PlaceControl<TLabel>(this, Panel1, "", 8, 11, 0, 0)->SetCaption("Copiere:");
  CopyProgress = PlaceControl<TGauge>(this, Panel1, "", 94, 8, 193, 19);
  CopyProgress->SetName("CopyProgress");
  PlaceControl<TLabel>(this, Panel1, "", 8, 31, 0, 0)->SetCaption("Decompresie:");
  UnzipProgress = PlaceControl<TGauge>(this, Panel1, "", 94, 29, 193, 19);
  UnzipProgress->SetName("UnzipProgress");
  UnzipProgress->SetMaxValue(100);

  BBack = NavigationButton(this, mkPrev, "&Inapoi", 15, mrRetry);
  BBack->SetName("BBack");
  BNext = NavigationButton(this, mkNext, "&Continua", 82, mrOk);
  BNext->SetName("BNext");
  BNext->OnClick = [this](TObject* sender) { BNextClick(sender); };

  PlaceControl<TBevel>(this, this, "", 502, 57, 120, 45);
  BCancel = PlaceControl<TNiceButton>(this, this, "", 504, 65, 109, 28);
  BCancel->SetName("BCancel");
  BCancel->SetKind(mkCancel);
  BCancel->SetCaption("&Abandon");
  BCancel->SetModalResult(mrCancel);
  UseControlFont(BCancel);

  // The title bar shows the caption; an outside driver knows the page by it.
  SetCaption("Copiere fisiere Vortel");
}

void TCopyPage::DoCreate() {
  InstallState.CurrentStep = step_;
  TTitleForm::DoCreate();
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
  int result;
  {
    PumpScope pump;
    media::BraskExtraction<media::TBraskUnzip> port;
    result = RunCopy(port);
  }
  SetModalResult(static_cast<TModalResult>(result));
}

bool TCopyPage::DirectoriesChosen() {
  const TInstallState& s = InstallState;
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

int TCopyPage::AskForDisk(const std::string& text) {
  return MesajDlg(text, "", mtWarning, taCenter, kButtonsOKCancel, mbOK, 0);
}

void TCopyPage::SetMessageSuffix(const std::string& suffix) {
  MessageSuffix = suffix;
}

void TCopyPage::ShowError(const std::string& text) {
  MesajDlg(text, "", mtError, taCenter, kButtonsOK, mbOK, 0);
}

void TCopyPage::ShowPlainMessage(const std::string& text) {
  MessageBoxA(HandleAllocated() ? Handle() : nullptr, text.c_str(), Application.Title().c_str(),
              MB_OK);
}

bool TCopyPage::IsRemovableDrive(const std::string& root) {
  // Only a drive root may count: anything else would be asked about the current directory.
  if (root.size() != 3 || root[1] != ':' || root[2] != '\\') return false;
  return GetDriveTypeA(root.c_str()) == DRIVE_REMOVABLE;
}

void TCopyPage::SetUnzipPosition(int percent) {
  UnzipProgress->SetProgress(percent);
  UnzipProgress->Repaint();
}
