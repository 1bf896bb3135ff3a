#include "app/placeholder_page.h"

#include "app/install_state.h"
#include "forms/forms.h"

namespace {

class TPlaceholderPage : public TForm {
 public:
  TPlaceholderPage(TComponent* owner, uint8_t step, const std::string& title)
      : TForm(owner), step_(step) {
    SetCaption(title);
    SetBorderStyle(bsDialog);
    SetClientWidth(637);
    SetClientHeight(114);
    AddButton("&Inapoi", 15, mrRetry);
    AddButton("&Continua", 82, mrOk)->SetDefault(true);
    AddButton("&Abandon", 504, mrCancel);
    auto* text = new TLabel(this);
    text->SetParent(this);
    text->SetBounds(180, 45, 300, 20);
    text->SetCaption(title);
  }

 protected:
  void DoCreate() override {
    InstallState.CurrentStep = step_;
    TForm::DoCreate();
  }

 private:
  TButton* AddButton(const char* caption, int left, TModalResult result) {
    auto* button = new TButton(this);
    button->SetParent(this);
    button->SetBounds(left, 52, left == 504 ? 109 : 67, left == 504 ? 28 : 51);
    button->SetCaption(caption);
    button->SetModalResult(result);
    return button;
  }

  uint8_t step_;
};

}  // namespace

TForm* CreatePlaceholderPage(uint8_t step, const std::string& title) {
  return CreateForm<TPlaceholderPage>(&Application, step, title);
}
