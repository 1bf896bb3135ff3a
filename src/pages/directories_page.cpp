#include "pages/directories_page.h"

#include <memory>

#include "app/install_state.h"
#include "os/os.h"
#include "pages/directory_choice.h"
#include "pages/directory_dialog.h"
#include "pages/page_parts.h"
#include "ui/active_edit.h"
#include "ui/active_label.h"
#include "ui/glyph_images.h"
#include "ui/mesaj_dlg.h"
#include "ui/nice_button.h"
#include "ui/title_form.h"

namespace {

constexpr TColor kFieldColour = 14671839;

class TDirs : public TTitleForm {
 public:
  explicit TDirs(TComponent* owner) : TTitleForm(owner) {
    SetPageFrame(*this, "Alegeti directoarele destinatie!");
    AddTitleBar(*this);

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

    BNext = AddNavButton(*this, "BNext", "&Continua", 82, "Urmator");
    BNext->OnClick = [this](TObject*) { BNextClick(); };
    BBack = AddNavButton(*this, "BBack", "&Inapoi", 15, "Precedent");
    BBack->SetModalResult(mrRetry);

    BCancel = PlaceControl<TNiceButton>(this, this, "BCancel", 504, 64, 109, 28);
    BCancel->SetCaption("&Abandon");
    BCancel->SetModalResult(mrCancel);
    BCancel->SetKind(mkCancel);
    SetBold(*BCancel);
    PlaceControl<TBevel>(this, this, "Bevel1", 502, 57, 120, 45);
  }

 protected:
  void DoCreate() override {
    InstallState.CurrentStep = 3;
    switch (InstallState.InstallType) {
      case itLocal:
        RProgram->SetText(InstallState.ProgramDirOffered);
        for (TControl* c : {static_cast<TControl*>(RDate), static_cast<TControl*>(BDate),
                            static_cast<TControl*>(LDate), static_cast<TControl*>(netmemo)})
          c->Hide();
        BNext->SetEnabled(true);
        break;
      case itServer:
        RProgram->SetText(InstallState.ProgramDirOffered);
        RDate->SetText(InstallState.DataDirOffered);
        netmemo->Hide();
        BNext->SetEnabled(true);
        break;
      case itClient:
        RProgram->SetText(InstallState.ProgramDirOffered);
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
    TTitleForm::DoCreate();
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

  // The chosen directory always ends in a backslash; nothing changes when the user cancels.
  static bool ChooseDirectory(std::string& chosen) {
    std::unique_ptr<TDirDialog> dialog(CreateForm<TDirDialog>(nullptr));
    if (dialog->ShowModal() != mrOk) return false;
    chosen = os::WithTrailingBackslash(dialog->dirs->Directory());
    return true;
  }

  void ChooseProgramDir() {
    std::string chosen;
    if (!ChooseDirectory(chosen)) return;
    RProgram->SetText(chosen);
    if (InstallState.InstallType == itLocal) RDate->SetText(chosen);
  }

  void ChooseDataDir() {
    std::string chosen;
    if (ChooseDirectory(chosen)) RDate->SetText(chosen);
  }

  void BNextClick() {
    const DirectoryOutcome outcome =
        StoreDirectories(InstallState, RProgram->Text(), RDate->Text());
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

TForm* CreateDirectoriesPage() {
  return CreateForm<TDirs>(&Application);
}
