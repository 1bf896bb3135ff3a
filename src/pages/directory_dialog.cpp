#include "pages/directory_dialog.h"

#include "pages/page_parts.h"
#include "ui/active_label.h"
#include "ui/nice_button.h"

TDirDialog::TDirDialog(TComponent* owner) : TTitleForm(owner) {
  SetPageFrame(*this, "Alegeti calea!", 382, 188);
  Position = poScreenCenter;
  AddTitleBar(*this);

  auto* disc = PlaceControl<TActiveLabel>(this, this, "ActiveLabel1", 9, 32, 40, 16);
  disc->SetCaption("&Disc:");
  SetBold(*disc);
  auto* cale = PlaceControl<TActiveLabel>(this, this, "ActiveLabel2", 9, 63, 40, 16);
  cale->SetCaption("&Cale:");
  SetBold(*cale);

  DriveComboBox1 = PlaceControl<TDriveComboBox>(this, this, "DriveComboBox1", 50, 31, 215, 19);
  SetBold(*DriveComboBox1);
  dirs = PlaceControl<TDirectoryListBox>(this, this, "dirs", 50, 63, 215, 120);
  dirs->SetItemHeight(16);
  SetBold(*dirs);
  DriveComboBox1->SetDirList(dirs);
  disc->SetFocusControl(DriveComboBox1);
  cale->SetFocusControl(dirs);

  auto* ok = PlaceControl<TNiceButton>(this, this, "NiceButton1", 268, 66, 105, 28);
  ok->SetCaption("O&K");
  ok->SetModalResult(mrOk);
  ok->SetKind(mkOK);
  auto* cancel = PlaceControl<TNiceButton>(this, this, "NiceButton2", 267, 97, 105, 28);
  cancel->SetCaption("&Renunt");
  cancel->SetModalResult(mrCancel);
  cancel->SetKind(mkCancel);
}
