#include "wizard/upgrade/find_app_page.h"

#include "wizard/directory_dialog.h"

namespace {

constexpr TColor kFieldColour = 14671839;

TActiveEdit* Field(TFindApp& page, TWinControl* parent, const char* name, int top,
                   TActiveLabel* label) {
  auto* field = PlaceControl<TActiveEdit>(&page, parent, name, 80, top, 188, 16);
  field->SetBorderStyle(bsNone);
  field->SetColor(kFieldColour);
  field->SetAssocLabel(label);
  label->SetFocusControl(field);
  return field;
}

TMButton* SearchButton(TFindApp& page, TWinControl* parent, const char* name, int top) {
  auto* button = PlaceControl<TMButton>(&page, parent, name, 271, top, 29, 19);
  button->SetCaption("Cauta...");
  button->SetKind(mkFind);
  button->SetCaptionVisible(false);
  return button;
}

}  // namespace

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
    : TWizardPage(owner, state, upgrade::kSearchTitle, Layout()), logic_(state, library, probe) {
  BBack = frame_.left;
  BNext = frame_.right;
  Bevel1 = frame_.bevel;
  BCancel = frame_.bevel_button;
  BNext->OnClick = [this](TObject* sender) { BNextClick(sender); };

  Panel1 = PlaceControl<TPanel>(this, this, "Panel1", 168, 29, 305, 85);
  Panel1->SetBevelInner(bvLowered);
  Panel1->SetBevelOuter(bvNone);
  Panel1->SetParentColor(true);
  LProgram = PlaceControl<TActiveLabel>(this, Panel1, "LProgram", 12, 8, 50, 17);
  LProgram->SetCaption("&Program:");
  LProgram->OnClick = [this](TObject* sender) { BProgramClick(sender); };
  LDate = PlaceControl<TActiveLabel>(this, Panel1, "LDate", 13, 26, 50, 17);
  LDate->SetCaption("&Date:");
  RProgram = Field(*this, Panel1, "RProgram", 8, LProgram);
  RDate = Field(*this, Panel1, "RDate", 27, LDate);
  RDate->SetEnabled(false);
  BProgram = SearchButton(*this, Panel1, "BProgram", 7);
  BProgram->OnClick = [this](TObject* sender) { BProgramClick(sender); };
  BDate = SearchButton(*this, Panel1, "BDate", 26);
  BDate->SetEnabled(false);
  dirlabel = PlaceControl<TFmtLabel>(this, Panel1, "dirlabel", 11, 55, 268, 16);
  dirlabel->SetAutoSize(false);
}

void TFindApp::DoCreate() {
  logic_.FormCreate();
  TWizardPage::DoCreate();
}

void TFindApp::BNextClick(TObject*) {
  const bool searching = !logic_.Searched();
  if (logic_.NextClick(RProgram->Text()) == 1) SetModalResult(mrOk);
  ShowState(searching);
}

void TFindApp::BProgramClick(TObject*) {
  if (const std::optional<std::string> chosen =
          ChooseDirectory(logic_.DialogPreset(RProgram->Text()))) {
    logic_.ChooseDirectory(*chosen);
    ShowState(true);
  }
  BNext->SetEnabled(logic_.NextEnabled());
}

void TFindApp::ShowState(bool program_field) {
  if (program_field) RProgram->SetText(logic_.ProgramText());
  RDate->SetText(logic_.DataText());
  dirlabel->SetCaption(logic_.StatusText());
  SetCaption(logic_.Title());
  BNext->SetEnabled(logic_.NextEnabled());
}

TForm* CreateFindAppPage(TInstallState& state, upgrade::UpgradeLibraryPort& library,
                         upgrade::SystemProbe& probe) {
  return CreateForm<TFindApp>(&Application, state, library, probe);
}
