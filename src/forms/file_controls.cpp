#include "forms/file_controls.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "os/os.h"
#include "os/os_win32.h"
#include "os/text_encoding.h"

namespace {

// The full path of `path` as the system resolves it; nothing when it cannot.
std::optional<std::string> FullPath(const std::string& path) {
  const std::optional<std::wstring> wide = os::Wide(path);
  if (!wide) return std::nullopt;
  return os::SystemText([&wide](wchar_t* buffer, DWORD size) {
    return GetFullPathNameW(wide->c_str(), size, buffer, nullptr);
  });
}

// "C:\A\B\" gives "C:\A\B"; a root keeps its backslash.
std::string NormalDirectory(const std::string& path) {
  std::string p = FullPath(path).value_or(path);
  while (p.size() > 3 && p.back() == '\\') p.pop_back();
  if (p.size() == 2 && p[1] == ':') p += '\\';
  return p;
}

bool LessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

// --- TDirectoryListBox ---

TDirectoryListBox::TDirectoryListBox(TComponent* owner) : TWinControl(owner) {
  TabStop = true;
  width_ = 145;
  height_ = 97;
  SetColor(clWindow);
  directory_ = NormalDirectory(os::CurrentDirectory());
}

void TDirectoryListBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = "LISTBOX";
  p.Style |= LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDirectoryListBox::InitWindow() {
  if (entries_.empty()) {
    try {
      SetDirectory(directory_);
      return;
    } catch (const std::exception&) {
      directory_ = NormalDirectory("C:\\");
    }
  }
  FillList();
}

void TDirectoryListBox::SetDirectory(const std::string& path) {
  const std::string dir = NormalDirectory(path);
  if (!os::DirectoryExists(dir))
    throw std::runtime_error("Directorul " + dir + " nu poate fi citit");
  std::vector<Entry> entries;
  // The ancestors, from the root down.
  size_t start = 0;
  int level = 0;
  const std::string root = dir.substr(0, 3);
  entries.push_back({root, level++, true});
  start = 3;
  while (start < dir.size()) {
    size_t end = dir.find('\\', start);
    if (end == std::string::npos) end = dir.size();
    entries.push_back({dir.substr(start, end - start), level++, true});
    start = end + 1;
  }
  std::vector<std::string> children;
  for (const auto& e : os::ListDirectory(dir))
    if (e.is_directory) children.push_back(e.name);
  std::sort(children.begin(), children.end(), LessNoCase);
  const int current = static_cast<int>(entries.size()) - 1;
  for (const auto& name : children) entries.push_back({name, level, false});
  const bool changed = dir != directory_ || entries_.empty();
  directory_ = dir;
  entries_ = std::move(entries);
  current_ = current;
  FillList();
  if (drive_combo_) drive_combo_->ShowDrive(Drive());
  if (changed && OnChange) OnChange(this);
}

void TDirectoryListBox::FillList() {
  if (!HandleAllocated()) return;
  HWND h = Handle();
  SendMessageW(h, WM_SETREDRAW, FALSE, 0);
  SendMessageW(h, LB_RESETCONTENT, 0, 0);
  SendMessageW(h, LB_SETITEMHEIGHT, 0, item_height_);
  for (const auto& e : entries_)
    SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(os::WideShown(e.name).c_str()));
  SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(current_), 0);
  SendMessageW(h, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(ClientRect());
}

std::string TDirectoryListBox::PathOf(int index) const {
  if (index < 0 || index >= ItemCount()) return directory_;
  std::string path;
  const int last_ancestor = std::min(index, current_);
  for (int i = 0; i <= last_ancestor; ++i) {
    path += entries_[static_cast<size_t>(i)].name;
    if (i > 0 && i < last_ancestor) path += '\\';
  }
  if (index > current_) path = os::WithTrailingBackslash(path) + ItemText(index);
  return path;
}

std::string TDirectoryListBox::SelectedPath() const {
  return PathOf(ItemIndex());
}

int TDirectoryListBox::ItemIndex() const {
  if (!HandleAllocated()) return current_;
  return static_cast<int>(
      SendMessageW(const_cast<TDirectoryListBox*>(this)->Handle(), LB_GETCURSEL, 0, 0));
}

void TDirectoryListBox::SetItemIndex(int index) {
  if (HandleAllocated()) SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TDirectoryListBox::SetItemHeight(int h) {
  item_height_ = h > 0 ? h : 16;
  FillList();
}

void TDirectoryListBox::ChangeScale(int m, int d) {
  TWinControl::ChangeScale(m, d);
  SetItemHeight(MulDiv(item_height_, m, d));
}

void TDirectoryListBox::OpenSelected() {
  const int index = ItemIndex();
  if (index >= 0 && index != current_) SetDirectory(PathOf(index));
}

void TDirectoryListBox::CommandNotify(WORD code) {
  if (code == LBN_DBLCLK) OpenSelected();
}

void TDirectoryListBox::KeyDown(uint16_t& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (key == VK_RETURN) {
    key = 0;
    OpenSelected();
  }
}

bool TDirectoryListBox::MeasureItem(MEASUREITEMSTRUCT& item) {
  item.itemHeight = static_cast<UINT>(item_height_);
  return true;
}

bool TDirectoryListBox::DrawItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= entries_.size()) return true;
  const Entry& e = entries_[item.itemID];
  TCanvas canvas(item.hDC);
  canvas.Font().Assign(Font());
  const bool selected = item.itemState & ODS_SELECTED;
  const TRect r{item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
  canvas.Brush().SetColor(selected ? clHighlight : Color());
  canvas.FillRect(r);
  // A small folder, drawn open for the path and closed for the subdirectories.
  const int x = r.Left + 2 + e.level * 8;
  const int cy = r.Top + r.Height() / 2;
  canvas.Pen().SetColor(clBlack);
  canvas.Brush().SetColor(e.open ? RGBColor(255, 240, 160) : RGBColor(230, 200, 90));
  canvas.Rectangle({x, cy - 5, x + 14, cy + 5});
  canvas.Rectangle({x, cy - 7, x + 6, cy - 4});
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetColor(selected ? clHighlightText : Font().Color());
  TRect text{x + 18, r.Top, r.Right, r.Bottom};
  canvas.DrawText(e.name, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (item.itemState & ODS_FOCUS) {
    const RECT fr = item.rcItem;
    DrawFocusRect(item.hDC, &fr);
  }
  canvas.SetHandle(nullptr);
  return true;
}

// --- TDriveComboBox ---

TDriveComboBox::TDriveComboBox(TComponent* owner) : TComboBox(owner) {
  SetStyle(csDropDownList);
  const std::string cwd = os::CurrentDirectory();
  if (cwd.size() >= 2 && cwd[1] == ':')
    drive_ = static_cast<char>(std::tolower(static_cast<unsigned char>(cwd[0])));
}

void TDriveComboBox::FillDrives() {
  drives_.clear();
  std::vector<std::string> texts;
  const DWORD mask = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(mask & (1u << i))) continue;
    const char letter = static_cast<char>('a' + i);
    std::string text = std::string(1, letter) + ":";
    const std::string root = std::string(1, letter) + ":\\";
    // Only fixed drives are asked for a label: a floppy or CD drive may be empty.
    const std::wstring wide_root = os::WideShown(root);
    if (GetDriveTypeW(wide_root.c_str()) == DRIVE_FIXED) {
      wchar_t label[MAX_PATH + 1] = L"";
      if (GetVolumeInformationW(wide_root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr,
                                nullptr, 0) &&
          label[0])
        text += " [" + os::Utf8Shown(label) + "]";
    }
    drives_.push_back(letter);
    texts.push_back(text);
  }
  Items().Assign(texts);
  const auto it = std::find(drives_.begin(), drives_.end(), drive_);
  SetItemIndex(it == drives_.end() ? -1 : static_cast<int>(it - drives_.begin()));
}

void TDriveComboBox::InitWindow() {
  TComboBox::InitWindow();
  FillDrives();
}

void TDriveComboBox::SetDrive(char drive) {
  drive = static_cast<char>(std::tolower(static_cast<unsigned char>(drive)));
  if (drives_.empty()) FillDrives();
  const auto it = std::find(drives_.begin(), drives_.end(), drive);
  const int previous =
      static_cast<int>(std::find(drives_.begin(), drives_.end(), drive_) - drives_.begin());
  if (it == drives_.end())
    throw std::runtime_error(std::string("Unitatea ") + drive + ": nu exista");
  if (dir_list_) {
    // The drive's own current directory, as the system keeps one per drive.
    const std::string root = std::string(1, drive) + ":";
    std::string dir = FullPath(root).value_or(root + "\\");
    try {
      dir_list_->SetDirectory(dir);
    } catch (const std::exception&) {
      try {
        dir_list_->SetDirectory(root + "\\");
      } catch (const std::exception&) {
        SetItemIndex(previous < static_cast<int>(drives_.size()) ? previous : -1);
        throw std::runtime_error(std::string("Unitatea ") + drive + ": nu poate fi citita");
      }
    }
  }
  drive_ = drive;
  SetItemIndex(static_cast<int>(it - drives_.begin()));
}

void TDriveComboBox::SetDirList(TDirectoryListBox* list) {
  if (dir_list_) {
    dir_list_->drive_combo_ = nullptr;
    RemoveFreeNotification(dir_list_);
  }
  dir_list_ = list;
  if (list) {
    FreeNotification(list);
    list->drive_combo_ = this;
    ShowDrive(list->Drive());
  }
}

void TDriveComboBox::ShowDrive(char drive) {
  drive_ = static_cast<char>(std::tolower(static_cast<unsigned char>(drive)));
  const auto it = std::find(drives_.begin(), drives_.end(), drive_);
  if (it != drives_.end()) SetItemIndex(static_cast<int>(it - drives_.begin()));
}

TDriveComboBox::~TDriveComboBox() {
  if (dir_list_) dir_list_->drive_combo_ = nullptr;
}

void TDriveComboBox::Notification(TComponent* component) {
  if (component == dir_list_) dir_list_ = nullptr;
}

void TDriveComboBox::Select() {
  const int index = ItemIndex();
  if (index >= 0 && index < static_cast<int>(drives_.size()) && drives_[index] != drive_)
    SetDrive(drives_[index]);
  TComboBox::Select();
}
