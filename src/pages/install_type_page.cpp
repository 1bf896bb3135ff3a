#include "pages/install_type_page.h"

#include "app/install_state.h"
#include "pages/page_parts.h"
#include "ui/m_radio_group.h"
#include "ui/title_form.h"

namespace {

class TIType : public TTitleForm {
 public:
  explicit TIType(TComponent* owner) : TTitleForm(owner) {
    SetPageFrame(*this, "Alegeti tipul instalarii!");
    AddTitleBar(*this);

    BCancel = AddNavButton(*this, "BCancel", "&Abandon", 17, "", 0);
    BCancel->SetModalResult(mrCancel);
    BCancel->SetKind(mkCancel);

    Panel1 = PlaceControl<TPanel>(this, this, "Panel1", 191, 37, 413, 67);
    Panel1->SetBevelInner(bvLowered);
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetColor(13619151);

    IType = PlaceControl<TMRadioGroup>(this, Panel1, "IType", 11, 10, 396, 52);
    IType->Font().SetName("MS Sans Serif");
    IType->Font().SetHeight(-11);
    IType->Font().SetStyle(fsBold);
    IType->Font().SetColor(clBlack);
    // The blanks line the dashes up in the dialog font.
    IType->Items().Assign({" &LOCAL     - programul va fi folosit numai pe acest calculator",
                           " &SERVER  - acest calculator va contine baza de date",
                           " CLIEN&T    - programul va folosi o baza de date aflata la distanta"});
    IType->OnModify = [this](TObject*, bool& can_modify) { ITypeModify(can_modify); };

    BNext = AddNavButton(*this, "BNext", "&Continua", 84, "Urmator");
    BNext->SetModalResult(mrOk);
    BNext->OnClick = [this](TObject*) { BNextClick(); };
  }

 protected:
  void DoCreate() override {
    InstallState.CurrentStep = 0;
    BNext->SetEnabled(InstallState.InstallType != itNone);
    IType->SetItemIndex(static_cast<int>(InstallState.InstallType) - 1);
    first_show_ = true;
    TTitleForm::DoCreate();
  }

  void DoShow() override {
    TTitleForm::DoShow();
    if (first_show_) {
      BringToFront();
      first_show_ = false;
    }
  }

 private:
  void ITypeModify(bool& can_modify) {
    can_modify = true;
    BNext->SetEnabled(true);
  }

  void BNextClick() {
    InstallState.InstallType = static_cast<TInstallType>(IType->ItemIndex() + 1);
  }

  TMButton* BCancel;
  TPanel* Panel1;
  TMRadioGroup* IType;
  TMButton* BNext;
  bool first_show_ = false;
};

}  // namespace

TForm* CreateInstallTypePage() {
  return CreateForm<TIType>(&Application);
}
