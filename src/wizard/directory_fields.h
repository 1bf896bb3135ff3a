// The panel that the directories page and the locating page share: a "&Program:" row and a
// "&Date:" row, each a label, a field and a "Cauta..." button that opens the directory dialog.
#pragma once

#include "forms/forms.h"
#include "ui/controls/active_edit.h"
#include "ui/controls/active_label.h"
#include "ui/controls/m_button.h"

struct DirectoryFields {
  TPanel* panel;
  TActiveLabel* program_label;
  TActiveLabel* data_label;
  TActiveEdit* program;
  TActiveEdit* data;
  TMButton* program_button;
  TMButton* data_button;
};

// Builds the panel on `page`; `bold` labels and fields for the pages of the fresh road.
DirectoryFields BuildDirectoryFields(TForm& page, bool bold);
