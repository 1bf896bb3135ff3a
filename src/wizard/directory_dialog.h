// The small directory dialog of the wizard's pages: a drive selector and the directory list it
// drives. It opens on the process's current directory unless a directory is preset.
#pragma once

#include <optional>
#include <string>

#include "forms/forms.h"
#include "ui/forms/title_form.h"

class TDirDialog : public TTitleForm {
 public:
  explicit TDirDialog(TComponent* owner);

  // Shows `directory`, or the nearest parent of it that exists; nothing changes for one whose
  // drive cannot be read.
  void Preset(const std::string& directory);

  TDriveComboBox* DriveComboBox1;
  TDirectoryListBox* dirs;
};

// Asks for a directory, starting at `preset` when it is not empty; the answer ends in a
// backslash. Nothing when the user cancels.
std::optional<std::string> ChooseDirectory(const std::string& preset = {});
