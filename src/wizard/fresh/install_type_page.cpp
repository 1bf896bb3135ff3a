#include "wizard/fresh/install_type_page.h"

#include "ui/controls/m_radio_group.h"
#include "wizard/wizard_page.h"

namespace {

// No way back from the first page: "&Abandon" takes the place of "&Inapoi".
constexpr PageFrameLayout kLayout = {
    {"BCancel", "&Abandon", 17, mkCancel, mrCancel, 0},
    {"BNext", "&Continua", 84, mkNext, mrOk},
    false,
};

class TIType : public TWizardPage {
 public:
  TIType(TComponent* owner, TInstallState& state)
      : TWizardPage(owner, state, "Alegeti tipul instalarii!", kLayout) {
    BCancel = frame_.left;
    BNext = frame_.right;
    BNext->OnClick = [this](TObject*) { BNextClick(); };

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
  }

 protected:
  void DoCreate() override {
    BNext->SetEnabled(state_.InstallType != itNone);
    IType->SetItemIndex(static_cast<int>(state_.InstallType) - 1);
    first_show_ = true;
    TWizardPage::DoCreate();
  }

  void DoShow() override {
    TWizardPage::DoShow();
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

  void BNextClick() { state_.InstallType = static_cast<TInstallType>(IType->ItemIndex() + 1); }

  TMButton* BCancel;
  TPanel* Panel1;
  TMRadioGroup* IType;
  TMButton* BNext;
  bool first_show_ = false;
};

}  // namespace

TForm* CreateInstallTypePage(TInstallState& state) {
  return CreateForm<TIType>(&Application, state);
}
