#include "wizard/end_page.h"

#include <vector>

#include "log/debug_log.h"
#include "wizard/wizard_page.h"

namespace {

// The user the configuration records as the product's last one, and its password.
constexpr const char* kDefaultUser = "Master";
constexpr const char* kDefaultPassword = "1";

// "&Restart!" takes the place of "&Continua"; "Nu &acum" in the bevel ends the wizard.
constexpr PageFrameLayout kLayout = {
    kBackButton,
    {"BCancel", "&Restart!", 82, mkClose, mrNone, 0},
    true,
    {"NiceButton1", "Nu &acum", mkCancel, mrOk, 57, 45, 65, 109, true},
};

std::vector<std::string> SuccessLines() {
  return {"Instalarea s-a terminat cu succes!",
          "",
          "Inainte de a putea folosi programul Vortel,",
          "trebuie sa reporniti Windows-ul.",
          "",
          "Utilizator implicit:  \"" + std::string(kDefaultUser) + "\", cu parola de acces " +
              kDefaultPassword};
}

// What failed, a line each, and where to read more: the end never claims a success it was not.
std::vector<std::string> FailureLines(const TInstallState& state) {
  constexpr size_t kShown = 3, kWidth = 60;
  std::vector<std::string> lines{"Instalarea s-a terminat cu erori:"};
  for (size_t i = 0; i < state.Failures.size() && i < kShown; ++i) {
    std::string line = state.Failures[i];
    for (char& c : line)
      if (c == '\r' || c == '\n') c = ' ';
    if (line.size() > kWidth) line = line.substr(0, kWidth - 3) + "...";
    lines.push_back(line);
  }
  if (state.Failures.size() > kShown) lines.push_back("...");
  lines.emplace_back();
  const std::string log = DebugLogPath();
  lines.push_back(log.empty() ? "Detalii: porniti instalarea cu /LOG=fisier" : "Detalii in " + log);
  return lines;
}

class TEndScreen : public TWizardPage {
 public:
  TEndScreen(TComponent* owner, TInstallState& state, TRestartRequest restart)
      : TWizardPage(owner, state, "Configurare sistem", kLayout), restart_(std::move(restart)) {
    BBack = frame_.left;
    BCancel = frame_.right;
    BCancel->OnClick = [this](TObject*) { BCancelClick(); };
    NiceButton1 = frame_.bevel_button;

    Memo1 = PlaceControl<TMemo>(this, this, "Memo1", 179, 28, 298, 84);
    Memo1->SetAlignment(taCenter);
    Memo1->SetColor(14671839);
    Memo1->Font().SetName("MS Sans Serif");
    Memo1->Font().SetHeight(-11);
    Memo1->Font().SetStyle(fsBold);
    Memo1->Font().SetColor(clBlack);
    Memo1->SetReadOnly(true);
    for (const std::string& line : state.Failures.empty() ? SuccessLines() : FailureLines(state))
      Memo1->Lines().Add(line);
  }

 private:
  // Windows ends the session if it agrees; the page stays until then, or until "Nu &acum".
  void BCancelClick() {
    if (!restart_()) DebugNote("Windows a refuzat repornirea");
  }

  TRestartRequest restart_;
  TMButton* BCancel;
  TMButton* BBack;
  TMemo* Memo1;
  TNiceButton* NiceButton1;
};

}  // namespace

TForm* CreateEndPage(TInstallState& state, TRestartRequest restart) {
  return CreateForm<TEndScreen>(&Application, state, std::move(restart));
}
