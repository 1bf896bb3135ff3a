#include "wizard/fresh/directories_page.h"

#include "ui/controls/active_edit.h"
#include "ui/controls/active_label.h"
#include "ui/glyphs/glyph_images.h"
#include "ui/message/mesaj_dlg.h"
#include "wizard/directory_dialog.h"
#include "wizard/fresh/directories.h"
#include "wizard/wizard_page.h"

namespace {

constexpr TColor kFieldColour = 14671839;

class TDirs : public TWizardPage {
 public:
  TDirs(TComponent* owner, TInstallState& state)
      : TWizardPage(owner, state, "Alegeti directoarele destinatie!",
                    {kBackButton, kNextButton, true, AbandonButton(57, 45, 64, 109, true)}) {
    BBack = frame_.left;
    BNext = frame_.right;
    BCancel = frame_.bevel_button;
    BNext->OnClick = [this](TObject*) { BNextClick(); };

    Panel1 = PlaceControl<TPanel>(this, this, "Panel1", 168, 29, 305, 85);
    Panel1->SetBevelInner(bvLowered);
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetParentColor(true);

    LProgram = Label("LProgram", 12, 8, "&Program:");
    LDate = Label("LDate", 13, 26, "&Date:");
    RProgram = Field("RProgram", 8, LProgram);
    RDate = Field("RDate", 27, LDate);
    RDate->OnChange = [this](TObject*) { BNext->SetEnabled(true); };
    LProgram->OnClick = [this](TObject*) { ChooseProgramDir(); };
    LDate->OnClick = [this](TObject*) { ChooseDataDir(); };

    BProgram = SearchButton("BProgram", 7);
    BProgram->OnClick = [this](TObject*) { ChooseProgramDir(); };
    BDate = SearchButton("BDate", 26);
    BDate->OnClick = [this](TObject*) { ChooseDataDir(); };

    netmemo = PlaceControl<TMemo>(this, Panel1, "netmemo", 4, 49, 295, 32);
    netmemo->SetBorderStyle(bsNone);
    SetBold(*netmemo);
    netmemo->SetParentColor(true);
    netmemo->SetReadOnly(true);
  }

 protected:
  void DoCreate() override {
    switch (state_.InstallType) {
      case itLocal:
        RProgram->SetText(state_.ProgramDirOffered);
        for (TControl* c : {static_cast<TControl*>(RDate), static_cast<TControl*>(BDate),
                            static_cast<TControl*>(LDate), static_cast<TControl*>(netmemo)})
          c->Hide();
        BNext->SetEnabled(true);
        break;
      case itServer:
        RProgram->SetText(state_.ProgramDirOffered);
        RDate->SetText(state_.DataDirOffered);
        netmemo->Hide();
        BNext->SetEnabled(true);
        break;
      case itClient:
        RProgram->SetText(state_.ProgramDirOffered);
        RDate->SetText("");
        netmemo->Lines().Clear();
        netmemo->Lines().Add("Ati selectat o instalare de tip client.");
        netmemo->Lines().Add("Introduceti in campul \"Date\" calea pana la baza de date server");
        netmemo->Lines().Add(
            "Daca este necesar, folositi \"Map network drive\" din File Manager / Explorer");
        // Set after the field, whose change would enable it.
        BNext->SetEnabled(false);
        break;
      case itNone:
        break;
    }
    TWizardPage::DoCreate();
  }

 private:
  TActiveLabel* Label(const char* name, int left, int top, const std::string& caption) {
    auto* label = PlaceControl<TActiveLabel>(this, Panel1, name, left, top, 50, 17);
    label->SetCaption(caption);
    // The dialog font of the page's other texts: the wide system font would run under the field.
    label->Font().SetName("MS Sans Serif");
    label->Font().SetHeight(-11);
    SetBold(*label);
    return label;
  }

  TActiveEdit* Field(const char* name, int top, TActiveLabel* label) {
    auto* field = PlaceControl<TActiveEdit>(this, Panel1, name, 80, top, 188, 16);
    field->SetBorderStyle(bsNone);
    field->SetColor(kFieldColour);
    SetBold(*field);
    field->SetAssocLabel(label);
    label->SetFocusControl(field);
    return field;
  }

  TMButton* SearchButton(const char* name, int top) {
    auto* button = PlaceControl<TMButton>(this, Panel1, name, 271, top, 29, 19);
    button->SetCaption("Cauta...");
    button->SetCaptionVisible(false);
    button->Glyph() = GlyphImage("Find");
    button->SetColor(11974326);
    return button;
  }

  // The dialog opens on the process's current directory; the chosen directory always ends in a
  // backslash; nothing changes when the user cancels.
  void ChooseProgramDir() {
    const std::optional<std::string> chosen = ChooseDirectory();
    if (!chosen) return;
    RProgram->SetText(*chosen);
    if (state_.InstallType == itLocal) RDate->SetText(*chosen);
  }

  void ChooseDataDir() {
    if (const std::optional<std::string> chosen = ChooseDirectory()) RDate->SetText(*chosen);
  }

  void BNextClick() {
    const DirectoryOutcome outcome = StoreDirectories(state_, RProgram->Text(), RDate->Text());
    if (outcome.client_database_missing)
      MesajDlg("La instalarea client baza de date trebuie sa existe!", "Eroare!", mtError, taCenter,
               kButtonsCancel, mbCancel, 0);
    for (const std::string& dir : outcome.not_created)
      MesajDlg("Directorul\r" + dir + "\rnu poate fi creat.", "Eroare!", mtError, taCenter,
               kButtonsCancel, mbCancel, 0);
    if (outcome.ok) SetModalResult(mrOk);
  }

  TPanel* Panel1;
  TActiveLabel* LProgram;
  TActiveLabel* LDate;
  TActiveEdit* RProgram;
  TActiveEdit* RDate;
  TMButton* BProgram;
  TMButton* BDate;
  TMemo* netmemo;
  TMButton* BNext;
  TMButton* BBack;
  TNiceButton* BCancel;
};

}  // namespace

TForm* CreateDirectoriesPage(TInstallState& state) {
  return CreateForm<TDirs>(&Application, state);
}
