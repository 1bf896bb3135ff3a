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
  TDirs(TComponent* owner, TInstallState& state, RoomCheck room, std::string program_files)
      : TWizardPage(owner, state, "Alegeti directoarele destinatie!",
                    {kBackButton, kNextButton, true, AbandonButton(57, 45, 64, 109, true)}),
        room_(std::move(room)),
        program_files_(std::move(program_files)),
        fields_(BuildDirectoryFields(*this, true)) {
    BBack = frame_.left;
    BNext = frame_.right;
    BCancel = frame_.bevel_button;
    BNext->OnClick = [this](TObject*) { BNextClick(); };

    fields_.data->OnChange = [this](TObject*) { BNext->SetEnabled(true); };
    fields_.program_label->OnClick = [this](TObject*) { ChooseProgramDir(); };
    fields_.data_label->OnClick = [this](TObject*) { ChooseDataDir(); };
    fields_.program_button->OnClick = [this](TObject*) { ChooseProgramDir(); };
    fields_.data_button->OnClick = [this](TObject*) { ChooseDataDir(); };

    netmemo = PlaceControl<TMemo>(this, fields_.panel, "netmemo", 4, 49, 295, 32);
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
        fields_.program->SetText(state_.ProgramDirOffered);
        for (TControl* c :
             {static_cast<TControl*>(fields_.data), static_cast<TControl*>(fields_.data_button),
              static_cast<TControl*>(fields_.data_label), static_cast<TControl*>(netmemo)})
          c->Hide();
        BNext->SetEnabled(true);
        break;
      case itServer:
        fields_.program->SetText(state_.ProgramDirOffered);
        fields_.data->SetText(state_.DataDirOffered);
        netmemo->Hide();
        BNext->SetEnabled(true);
        break;
      case itClient:
        fields_.program->SetText(state_.ProgramDirOffered);
        fields_.data->SetText("");
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
    fields_.program->SetText(*chosen);
    if (state_.InstallType == itLocal) fields_.data->SetText(*chosen);
  }

  void ChooseDataDir() {
    if (const std::optional<std::string> chosen = ChooseDirectory()) fields_.data->SetText(*chosen);
  }

  void BNextClick() {
    const DirectoryOutcome outcome = StoreDirectories(state_, fields_.program->Text(),
                                                      fields_.data->Text(), room_, program_files_);
    for (const std::string& refusal : outcome.refused)
      MesajDlg(refusal + "\rAlegeti alt director.", "Eroare!", mtError, taCenter, kButtonsCancel,
               mbCancel, 0);
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
  std::string program_files_;
  DirectoryFields fields_;
  TMemo* netmemo;
  TMButton* BNext;
  TMButton* BBack;
  TNiceButton* BCancel;
};

}  // namespace

TForm* CreateDirectoriesPage(TInstallState& state, RoomCheck room, std::string program_files) {
  return CreateForm<TDirs>(&Application, state, std::move(room), std::move(program_files));
}
