#include "upgrade/directory_choice.h"

#include <memory>

#include "forms/forms.h"
#include "os/os.h"

namespace upgrade {

namespace {

// A plain chooser: the drive, its directory tree, and O&K or &Renunt.
class TDirectoryChooser : public TForm {
 public:
  explicit TDirectoryChooser(TComponent* owner) : TForm(owner) {
    SetCaption("Alegeti directorul");
    SetBorderStyle(bsDialog);
    SetClientWidth(320);
    SetClientHeight(260);
    Position = poScreenCenter;
    drive_ = new TDriveComboBox(this);
    drive_->SetName("DriveList");
    drive_->SetBounds(10, 10, 300, 21);
    drive_->SetParent(this);
    list_ = new TDirectoryListBox(this);
    list_->SetName("DirList");
    list_->SetBounds(10, 38, 300, 180);
    list_->SetParent(this);
    drive_->SetDirList(list_);
    AddButton("O&K", 150, mrOk)->SetDefault(true);
    AddButton("&Renunt", 235, mrCancel)->SetCancel(true);
  }

  void Preset(const std::string& directory) {
    std::string path = directory;
    // The list shows a directory that exists; a typed one may not.
    while (!path.empty() && !os::DirectoryExists(path)) {
      const size_t cut =
          path.size() > 1 ? path.find_last_of('\\', path.size() - 2) : std::string::npos;
      path = cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
    }
    if (path.empty()) return;
    try {
      list_->SetDirectory(path);
    } catch (const std::exception&) {
      // An unreadable directory leaves the list where it was.
    }
  }
  std::string Chosen() const { return list_->Directory(); }

 private:
  TButton* AddButton(const char* caption, int left, TModalResult result) {
    auto* button = new TButton(this);
    button->SetCaption(caption);
    button->SetBounds(left, 226, 75, 25);
    button->SetModalResult(result);
    button->SetParent(this);
    return button;
  }

  TDriveComboBox* drive_;
  TDirectoryListBox* list_;
};

}  // namespace

std::optional<std::string> ChooseDirectory(const std::string& preset) {
  std::unique_ptr<TDirectoryChooser> chooser(CreateForm<TDirectoryChooser>(&Application));
  if (!preset.empty()) chooser->Preset(preset);
  if (chooser->ShowModal() != mrOk) return std::nullopt;
  return chooser->Chosen();
}

}  // namespace upgrade
