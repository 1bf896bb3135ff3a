#include "message_gallery.h"

#include <windows.h>

#include "ui/message/mesaj_dlg.h"

namespace {

struct SampleMessage {
  const char* name;
  const char* suffix;
  const char* text;
  const char* caption;
  TMsgDlgType type;
  TMsgDlgButtons buttons;
  TMsgDlgBtn default_button;
};

constexpr SampleMessage kSamples[] = {
    {"disk", "Pentru continuare", "introdu discul de instalare cu numarul \r2", "", mtWarning,
     kButtonsOKCancel, mbOK},
    {"server", "", "Fac UPGRADE la baza de date de pe SERVER?", "UPGRADE baza de date SERVER ?",
     mtConfirmation, kButtonsYesNo, mbNo},
    {"dde", "", "Eroare DDE!", "Eroare...", mtError, kButtonsCancel, mbCancel},
    {"engine", "Protectia aplicatiilor existente",
     "Am gasit o instalare mai veche de\rmotor baza de date (BDE)...\rDaca RidOZIZUZ nu "
     "functioneaza, contactati-ne.\r",
     "", mtError, kButtonsOK, mbOK},
    {"long", "",
     "Fisierul\rC:\\DOCUME~1\\ADMINI~1\\LOCALS~1\\Temp\\INSTVORT.EXE\rnu poate fi copiat. "
     "Verificati daca discul nu este plin sau protejat la scriere si daca aveti drept de "
     "scriere in directorul temporar.\rInstalarea se opreste.",
     "", mtError, kButtonsOK, mbOK},
    {"info", "", "Instalarea s-a terminat cu succes.", "", mtInformation, kButtonsOK, mbOK},
    {"custom", "", "Gata", "", mtCustom, kButtonsOK, mbOK},
};

// Lets the window paint before it is photographed.
void Settle() {
  for (int i = 0; i < 12; ++i) {
    Application.ProcessMessages();
    Sleep(25);
  }
}

}  // namespace

int RunMessageGallery(const std::string& shot_dir,
                      const std::function<bool(TForm&, const std::string& path)>& shot) {
  int failures = 0;
  for (const SampleMessage& sample : kSamples) {
    MessageSuffix = sample.suffix;
    if (!shot_dir.empty()) {
      const std::string path = shot_dir + "\\message-" + sample.name + ".bmp";
      Application.OnModalShow = [&failures, &shot, path](TForm& form) {
        Settle();
        if (!shot(form, path)) ++failures;
        if (TButton* answer = form.DefaultButton()) answer->Click();
      };
    }
    MesajDlg(sample.text, sample.caption, sample.type, taCenter, sample.buttons,
             sample.default_button, 0);
  }
  Application.OnModalShow = nullptr;
  MessageSuffix.clear();
  return failures == 0 ? 0 : 1;
}
