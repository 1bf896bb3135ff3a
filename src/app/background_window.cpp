#include "app/background_window.h"

#include "forms/forms.h"

namespace {

class TInstaller : public TForm {
 public:
  explicit TInstaller(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsNone);
    SetBorderIcons(0);
    SetColor(9061895);
    SetCaption("RidOZIZUZ");
    SetWindowState(wsMaximized);
  }
};

}  // namespace

TForm* CreateBackgroundWindow() {
  return CreateForm<TInstaller>(&Application);
}
