// Choosing a folder: a drive selector and the directory list it drives.
#pragma once

#include <string>
#include <vector>

#include "forms/edits.h"

// The path of the current directory as a tree: its ancestors open, its subdirectories below.
// Double click or Enter opens the selected entry.
class TDriveComboBox;

class TDirectoryListBox : public TWinControl {
 public:
  explicit TDirectoryListBox(TComponent* owner);

  // Without a trailing backslash, except at a drive's root ("C:\").
  const std::string& Directory() const { return directory_; }
  // Throws when the directory cannot be read; the list is then unchanged.
  void SetDirectory(const std::string& path);
  char Drive() const { return directory_.empty() ? 0 : directory_[0]; }
  // The directory the selected entry stands for.
  std::string SelectedPath() const;
  int ItemHeight() const { return item_height_; }
  void SetItemHeight(int h);
  // The item height is a length of the layout too.
  void ChangeScale(int m, int d) override;
  int ItemCount() const { return static_cast<int>(entries_.size()); }
  const std::string& ItemText(int i) const { return entries_[static_cast<size_t>(i)].name; }
  int ItemIndex() const;
  void SetItemIndex(int index);
  void OpenSelected();

  TNotifyEvent OnChange;
  bool WantsKey(uint16_t key) const override { return key == VK_RETURN; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitWindow() override;
  void CommandNotify(WORD code) override;
  bool DrawItem(const DRAWITEMSTRUCT& item) override;
  bool MeasureItem(MEASUREITEMSTRUCT& item) override;
  void KeyDown(uint16_t& key, TShiftState shift) override;

 private:
  struct Entry {
    std::string name;
    int level;
    bool open;  // an ancestor or the current directory
  };
  void FillList();
  std::string PathOf(int index) const;
  friend class TDriveComboBox;
  TDriveComboBox* drive_combo_ = nullptr;  // shows this list's drive

  std::string directory_;
  std::vector<Entry> entries_;
  int current_ = -1;
  int item_height_ = 16;
};

class TDriveComboBox : public TComboBox {
 public:
  explicit TDriveComboBox(TComponent* owner);
  ~TDriveComboBox() override;
  char Drive() const { return drive_; }
  // Throws when the drive does not exist or cannot be read; the selection stays.
  void SetDrive(char drive);
  // The list that shows the chosen drive's directories.
  TDirectoryListBox* DirList() const { return dir_list_; }
  void SetDirList(TDirectoryListBox* list);

 protected:
  void InitWindow() override;
  void Select() override;
  void Notification(TComponent* component) override;

 private:
  void FillDrives();
  // Selects a drive without touching the directory list.
  void ShowDrive(char drive);
  friend class TDirectoryListBox;
  char drive_ = 'c';
  std::vector<char> drives_;
  TDirectoryListBox* dir_list_ = nullptr;
};
