// The small dialog of the directories page: a drive selector and the directory list it drives.
// It opens on the process's current directory; after "O&K" the caller reads `dirs`.
#pragma once

#include "forms/forms.h"
#include "ui/title_form.h"

class TDirDialog : public TTitleForm {
 public:
  explicit TDirDialog(TComponent* owner);

  TDriveComboBox* DriveComboBox1;
  TDirectoryListBox* dirs;
};
