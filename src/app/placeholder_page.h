// A plain page that honours the page contract for a step whose own page is not built yet:
// "&Inapoi", "&Continua" and "&Abandon" close it with 4, 1 and 2.
#pragma once

#include <cstdint>
#include <string>

class TForm;

TForm* CreatePlaceholderPage(uint8_t step, const std::string& title);

template <uint8_t Step>
TForm* PlaceholderPage() {
  static const char* const kTitles[] = {"Alegeti tipul instalarii!",
                                        "",
                                        "",
                                        "Alegeti directoarele destinatie!",
                                        "Copiere si decompresie",
                                        "Configurare sistem",
                                        "Configurare sistem",
                                        "",
                                        "Localizare program",
                                        "Copiere si decompresie",
                                        "Actualizare baza de date",
                                        ""};
  return CreatePlaceholderPage(Step, kTitles[Step]);
}
