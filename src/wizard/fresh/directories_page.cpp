#include "wizard/fresh/directories_page.h"

#include <utility>

#include "ui/message/mesaj_dlg.h"
#include "wizard/directory_dialog.h"
#include "wizard/directory_fields.h"
#include "wizard/fresh/directories.h"
#include "wizard/wizard_page.h"

namespace {

class TDirs : public TWizardPage {
 public:
  TDirs(TComponent* owner, TInstallState& state, RoomCheck room)
      : TWizardPage(owner, state, "Alegeti directoarele destinatie!",
                    {kBackButton, kNextButton, true, AbandonButton(57, 45, 64, 109, true)}),
        room_(std::move(room)) {
    BBack = frame_.left;
    BNext = frame_.right;
    BCancel = frame_.bevel_button;
    BNext->OnClick = [this](TObject*) { BNextClick(); };

    const DirectoryFields fields = BuildDirectoryFields(*this, true);
    Panel1 = fields.panel;
    LProgram = fields.program_label;
    LDate = fields.data_label;
    RProgram = fields.program;
    RDate = fields.data;
    BProgram = fields.program_button;
    BDate = fields.data_button;
    RDate->OnChange = [this](TObject*) { BNext->SetEnabled(true); };
    LProgram->OnClick = [this](TObject*) { ChooseProgramDir(); };
    LDate->OnClick = [this](TObject*) { ChooseDataDir(); };
    BProgram->OnClick = [this](TObject*) { ChooseProgramDir(); };
    BDate->OnClick = [this](TObject*) { ChooseDataDir(); };

    netmemo = PlaceControl<TMemo>(this, Panel1, "netmemo", 4, 49, 295, 32);
    netmemo->SetBorderStyle(bsNone);
    SetBold(*netmemo);
    netmemo->SetParentColor(true);
    netmemo->SetReadOnly(true);
    // The client's help runs to five lines in a box of two: the rest is scrolled to.
    netmemo->VerticalScrollBar = true;
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
    const DirectoryOutcome outcome =
        StoreDirectories(state_, RProgram->Text(), RDate->Text(), room_);
    if (outcome.client_database_missing)
      MesajDlg("La instalarea client baza de date trebuie sa existe!", "Eroare!", mtError, taCenter,
               kButtonsCancel, mbCancel, 0);
    for (const std::string& dir : outcome.not_created)
      MesajDlg("Directorul\r" + dir + "\rnu poate fi creat.", "Eroare!", mtError, taCenter,
               kButtonsCancel, mbCancel, 0);
    for (const std::string& line : outcome.no_ansi_form)
      MesajDlg(line, "Eroare!", mtError, taCenter, kButtonsCancel, mbCancel, 0);
    if (outcome.ok) SetModalResult(mrOk);
  }

  RoomCheck room_;
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

TForm* CreateDirectoriesPage(TInstallState& state, RoomCheck room) {
  return CreateForm<TDirs>(&Application, state, std::move(room));
}
