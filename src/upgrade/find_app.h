// The locating page's decisions: the data directory and the kind of installation from the
// database alias, the search for the program directory, the manual choice and acceptance.
#pragma once

#include <string>

#include "state/install_state.h"
#include "upgrade/system_probe.h"
#include "upgrade/upgrade_library_port.h"

namespace upgrade {

constexpr const char* kNotFoundDirectory = "????";
constexpr const char* kNotFoundText = "Nu am gasit directorul program!!!";
constexpr const char* kNotInstalledText = "Nu gasesc instalare de VORTEL...";
constexpr const char* kClientText = "Am detectat o instalare client";
constexpr const char* kSearchTitle = "Apasati 'Continua' pentru a localiza aplicatia!";
constexpr const char* kConfirmTitle = "Confirmati corectitudinea directorului program";

class TFindAppLogic {
 public:
  TFindAppLogic(TInstallState& state, UpgradeLibraryPort& library, SystemProbe& probe)
      : state_(state), library_(library), probe_(probe) {}

  // Creation: data directory and installation type.
  void FormCreate();
  // The continue button with the text now in the program field: the first click searches and
  // returns 0; a later one accepts and returns 1, or 0 when the text is refused.
  int NextClick(const std::string& program_text);
  // The directory the directory dialog starts in; empty for none.
  std::string DialogPreset(const std::string& program_text) const;
  // A directory chosen in the dialog.
  void ChooseDirectory(const std::string& chosen);
  // A directory given ahead of time: it takes the place of the search.
  void GivenDirectory(const std::string& directory);
  // No person confirms what the search finds: only a folder of the product's own entry, or one
  // that administrators made, is taken.
  void TrustFoundFoldersOnly() { trusted_only_ = true; }

  // What the page shows: the program and data fields, the status line and the title.
  const std::string& ProgramText() const { return program_text_; }
  const std::string& DataText() const { return data_text_; }
  const std::string& StatusText() const { return status_text_; }
  const std::string& Title() const { return title_; }
  bool NextEnabled() const { return !searched_ || valid_; }
  bool Searched() const { return searched_; }

 private:
  void Search();
  int Accept(const std::string& program_text);

  TInstallState& state_;
  UpgradeLibraryPort& library_;
  SystemProbe& probe_;
  bool searched_ = false;
  bool valid_ = false;
  bool trusted_only_ = false;
  // The directory that was found or chosen and tested.
  std::string confirmed_;
  std::string program_text_, data_text_, status_text_;
  std::string title_ = kSearchTitle;
};

}  // namespace upgrade
