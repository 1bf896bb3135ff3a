#include "wizard/directory_dialog.h"

#include <memory>

#include "os/os.h"
#include "ui/controls/active_label.h"
#include "ui/controls/nice_button.h"
#include "wizard/page_frame.h"

TDirDialog::TDirDialog(TComponent* owner) : TTitleForm(owner) {
  BuildDialogFrame(*this, "Alegeti calea!", 382, 188);
  Position = poScreenCenter;

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

void TDirDialog::Preset(const std::string& directory) {
  std::string path = directory;
  // The list shows a directory that exists; a typed one may not.
  while (!path.empty() && !os::DirectoryExists(path)) {
    const size_t cut =
        path.size() > 1 ? path.find_last_of('\\', path.size() - 2) : std::string::npos;
    path = cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
  }
  if (path.empty()) return;
  try {
    dirs->SetDirectory(path);
  } catch (const std::exception&) {
    // An unreadable directory leaves the list where it was.
  }
}

std::optional<std::string> ChooseDirectory(const std::string& preset) {
  // Without an owner, as the page's own dialog.
  std::unique_ptr<TDirDialog> dialog(CreateForm<TDirDialog>(nullptr));
  if (!preset.empty()) dialog->Preset(preset);
  if (dialog->ShowModal() != mrOk) return std::nullopt;
  return os::WithTrailingBackslash(dialog->dirs->Directory());
}
