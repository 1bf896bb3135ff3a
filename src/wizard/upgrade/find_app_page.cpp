#include "wizard/upgrade/find_app_page.h"

#include "wizard/directory_dialog.h"
#include "wizard/directory_fields.h"

namespace {

PageFrameLayout Layout() {
  PageFrameLayout layout;
  layout.bevel = AbandonButton(57, 45, 64, 109);
  layout.system_font = false;
  return layout;
}

}  // namespace

TFindApp::TFindApp(TComponent* owner, TInstallState& state, upgrade::UpgradeLibraryPort& library,
                   upgrade::SystemProbe& probe)
    : TWizardPage(owner, state, upgrade::kSearchTitle, Layout()),
      fields(BuildDirectoryFields(*this, false)),
      logic_(state, library, probe) {
  BBack = frame_.left;
  BNext = frame_.right;
  Bevel1 = frame_.bevel;
  BCancel = frame_.bevel_button;
  BNext->OnClick = [this](TObject* sender) { BNextClick(sender); };

  fields.program_label->OnClick = [this](TObject* sender) { BProgramClick(sender); };
  fields.program_button->OnClick = [this](TObject* sender) { BProgramClick(sender); };
  fields.data->SetEnabled(false);
  fields.data_button->SetEnabled(false);
  dirlabel = PlaceControl<TFmtLabel>(this, fields.panel, "dirlabel", 11, 55, 268, 16);
  dirlabel->SetAutoSize(false);
}

void TFindApp::DoCreate() {
  logic_.FormCreate();
  TWizardPage::DoCreate();
}

void TFindApp::BNextClick(TObject*) {
  const bool searching = !logic_.Searched();
  if (logic_.NextClick(fields.program->Text()) == 1) SetModalResult(mrOk);
  ShowState(searching);
}

void TFindApp::BProgramClick(TObject*) {
  if (const std::optional<std::string> chosen =
          ChooseDirectory(logic_.DialogPreset(fields.program->Text()))) {
    logic_.ChooseDirectory(*chosen);
    ShowState(true);
  }
  BNext->SetEnabled(logic_.NextEnabled());
}

void TFindApp::ShowState(bool program_field) {
  if (program_field) fields.program->SetText(logic_.ProgramText());
  fields.data->SetText(logic_.DataText());
  dirlabel->SetCaption(logic_.StatusText());
  SetCaption(logic_.Title());
  BNext->SetEnabled(logic_.NextEnabled());
}

TForm* CreateFindAppPage(TInstallState& state, upgrade::UpgradeLibraryPort& library,
                         upgrade::SystemProbe& probe) {
  return CreateForm<TFindApp>(&Application, state, library, probe);
}
