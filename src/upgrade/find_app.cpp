#include "upgrade/find_app.h"

#include "changes/journal_bounds.h"
#include "os/os.h"
#include "state/install_state.h"
#include "upgrade/install_location.h"
#include "upgrade/program_search.h"

namespace upgrade {

void TFindAppLogic::FormCreate() {
  std::string alias_path = "VORTEL";
  library_.GetAliasPath(alias_path);
  state_.DataDirOffered = DataRootFromAlias(alias_path);
  state_.InstallType = IsRemoteLocation(state_.DataDirOffered, probe_) ? itClient : itLocal;
  searched_ = valid_ = false;
}

int TFindAppLogic::NextClick(const std::string& program_text) {
  if (!searched_) {
    Search();
    return 0;
  }
  return Accept(program_text);
}

void TFindAppLogic::Search() {
  searched_ = true;
  const std::optional<std::string> found = LocateProgramDirectory(probe_, trusted_only_);
  if (found) {
    state_.ProgramDirOffered = *found;
    confirmed_ = *found;
  } else {
    state_.ProgramDirOffered = kNotFoundDirectory;
    status_text_ = kNotFoundText;
  }
  program_text_ = state_.ProgramDirOffered;
  data_text_ = state_.InstallType == itLocal ? state_.DataDirOffered : kClientText;
  valid_ = found.has_value();
  title_ = kConfirmTitle;
}

int TFindAppLogic::Accept(const std::string& program_text) {
  if (!valid_) return 0;
  // A directory typed over the confirmed one is tested first: the upgrade writes into it and
  // removes every archive it finds there.
  if (program_text != confirmed_) {
    if (!IsProgramDirectory(program_text)) {
      valid_ = false;
      status_text_ = kNotInstalledText;
      return 0;
    }
    confirmed_ = program_text;
  }
  state_.ProgramDirOffered = program_text;
  state_.ProgramDir = state_.ProgramDirOffered;
  state_.DataDir = state_.DataDirOffered;
  // The upgrade writes into both: they belong to the installation when it is removed.
  changes::RecordPlace(state_.ProgramDir);
  if (state_.InstallType != itClient) changes::RecordPlace(state_.DataDir);
  return 1;
}

std::string TFindAppLogic::DialogPreset(const std::string& program_text) const {
  return program_text == kNotFoundDirectory ? std::string() : program_text;
}

void TFindAppLogic::GivenDirectory(const std::string& directory) {
  searched_ = true;
  title_ = kConfirmTitle;
  ChooseDirectory(directory);
}

void TFindAppLogic::ChooseDirectory(const std::string& chosen) {
  program_text_ = os::WithTrailingBackslash(chosen);
  if (IsProgramDirectory(program_text_)) {
    valid_ = true;
    confirmed_ = program_text_;
    status_text_.clear();
  } else {
    valid_ = false;
    status_text_ = kNotInstalledText;
  }
}

}  // namespace upgrade
