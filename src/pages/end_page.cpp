#include "pages/end_page.h"

#include "app/debug_log.h"
#include "app/install_state.h"
#include "pages/page_parts.h"
#include "pages/restart_request.h"
#include "ui/nice_button.h"
#include "ui/title_form.h"

namespace {

// The user the configuration records as the product's last one, and its password.
constexpr const char* kDefaultUser = "Master";
constexpr const char* kDefaultPassword = "1";

class TEndScreen : public TTitleForm {
 public:
  explicit TEndScreen(TComponent* owner) : TTitleForm(owner) {
    SetPageFrame(*this, "Configurare sistem");
    AddTitleBar(*this);

    BCancel = AddNavButton(*this, "BCancel", "&Restart!", 82, "", 0);
    BCancel->SetKind(mkClose);
    BCancel->SetModalResult(mrNone);
    BCancel->OnClick = [](TObject*) { BCancelClick(); };
    BBack = AddNavButton(*this, "BBack", "&Inapoi", 15, "Precedent");
    BBack->SetModalResult(mrRetry);

    Memo1 = PlaceControl<TMemo>(this, this, "Memo1", 179, 28, 298, 84);
    Memo1->SetAlignment(taCenter);
    Memo1->SetColor(14671839);
    Memo1->Font().SetName("MS Sans Serif");
    Memo1->Font().SetHeight(-11);
    Memo1->Font().SetStyle(fsBold);
    Memo1->Font().SetColor(clBlack);
    Memo1->SetReadOnly(true);
    for (const std::string& line :
         {std::string("Instalarea s-a terminat cu succes!"), std::string(),
          std::string("Inainte de a putea folosi programul Vortel,"),
          std::string("trebuie sa reporniti Windows-ul."), std::string(),
          "Utilizator implicit:  \"" + std::string(kDefaultUser) + "\", cu parola de acces " +
              kDefaultPassword})
      Memo1->Lines().Add(line);

    PlaceControl<TBevel>(this, this, "Bevel1", 502, 57, 120, 45);
    NiceButton1 = PlaceControl<TNiceButton>(this, this, "NiceButton1", 504, 65, 109, 28);
    NiceButton1->SetCaption("Nu &acum");
    NiceButton1->SetModalResult(mrOk);
    NiceButton1->SetKind(mkCancel);
    SetBold(*NiceButton1);
  }

 protected:
  void DoCreate() override {
    InstallState.CurrentStep = 6;
    TTitleForm::DoCreate();
  }

 private:
  // Windows ends the session if it agrees; the page stays until then, or until "Nu &acum".
  static void BCancelClick() {
    if (!RequestRestart()) DebugNote("Windows a refuzat repornirea");
  }

  TMButton* BCancel;
  TMButton* BBack;
  TMemo* Memo1;
  TNiceButton* NiceButton1;
};

}  // namespace

TForm* CreateEndPage() {
  return CreateForm<TEndScreen>(&Application);
}
