#include "upgrade/server_question.h"

#include "state/install_state.h"

namespace upgrade {

const char kServerUpgradeText[] =
    "Baza de date se afla la distanta, pe SERVER.\r"
    "______________________________________________\r"
    "\r"
    "Daca nu aveti acces la SERVER pentru a lansa UPGRADE,\r"
    "\r"
    "aveti acum ocazia sa o faceti de pe acest calculator.\r"
    "\r"
    "-Acest mesaj va apare la fiecare instalare de tip CLIENT.\r"
    "Nu este nevoie sa lansati UPGRADE la SERVER decat o singura data.\r"
    "________________________________________________\r"
    "\r"
    "Fac UPGRADE la baza de date de pe SERVER?\r";

bool ServerUpgradeQuestion(const TInstallState& state, QuestionHost& host) {
  if (state.InstallType != itClient) return true;
  host.SetMessageSuffix("");
  const int answer = host.AskYesNo(kServerUpgradeText, kServerUpgradeCaption);
  host.SetMessageSuffix("PENTRU CONTINUARE");
  return answer != 7;
}

}  // namespace upgrade
