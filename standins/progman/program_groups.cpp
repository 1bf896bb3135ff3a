#include "progman/program_groups.h"

#include <windows.h>
// after windows.h, which they need
#include <objbase.h>
#include <shlobj.h>

namespace standin {

namespace {

bool IsDirectory(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string DirectoryOf(const std::string& path) {
  const size_t cut = path.find_last_of('\\');
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

// "C:\APP\VORTEL.EXE" gives "VORTEL".
std::string StemOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/:");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::wstring Wide(const std::string& text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(n > 0 ? n : 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
  wide.resize(wide.size() - 1);
  return wide;
}

bool WriteShortcut(const std::string& link, const std::string& target, const std::string& work_dir,
                   const std::string& description) {
  IShellLinkA* shell_link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&shell_link))))
    return false;
  bool ok = SUCCEEDED(shell_link->SetPath(target.c_str())) &&
            SUCCEEDED(shell_link->SetWorkingDirectory(work_dir.c_str())) &&
            SUCCEEDED(shell_link->SetDescription(description.c_str()));
  IPersistFile* file = nullptr;
  if (ok &&
      SUCCEEDED(shell_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    ok = SUCCEEDED(file->Save(Wide(link).c_str(), TRUE));
    file->Release();
  } else {
    ok = false;
  }
  shell_link->Release();
  return ok;
}

}  // namespace

ProgramGroups::ProgramGroups(std::string root) : root_(std::move(root)) {
  while (root_.size() > 3 && root_.back() == '\\') root_.pop_back();
}

bool ProgramGroups::IsSafeName(const std::string& name) {
  if (name.empty() || name.size() > 200 || name == "." || name == "..") return false;
  if (name.back() == '.' || name.back() == ' ') return false;
  for (const char c : name)
    if (static_cast<unsigned char>(c) < 32 ||
        std::string("\\/:*?\"<>|").find(c) != std::string::npos)
      return false;
  return true;
}

std::string ProgramGroups::GroupPath(const std::string& name) const {
  return root_ + "\\" + name;
}

bool ProgramGroups::Execute(const DdeCommand& command) {
  const auto is = [&](const char* name) { return lstrcmpiA(command.name.c_str(), name) == 0; };
  const std::string first = command.arguments.empty() ? std::string() : command.arguments[0];
  if (is("CreateGroup")) return CreateGroup(first);
  if (is("AddItem")) return AddItem(command);
  if (is("ShowGroup")) return ShowGroup(first);
  if (is("DeleteGroup")) return DeleteGroup(first);
  return false;
}

bool ProgramGroups::CreateGroup(const std::string& name) {
  if (!IsSafeName(name)) return false;
  if (!IsDirectory(root_) && SHCreateDirectoryExA(nullptr, root_.c_str(), nullptr) != ERROR_SUCCESS)
    return false;
  const std::string path = GroupPath(name);
  if (!IsDirectory(path) && !CreateDirectoryA(path.c_str(), nullptr)) return false;
  current_group_ = name;
  return true;
}

// AddItem(command line [, name [, icon path, icon index, x, y, working directory ...]])
bool ProgramGroups::AddItem(const DdeCommand& command) {
  if (current_group_.empty() || command.arguments.empty() || command.arguments[0].empty())
    return false;
  const std::string& target = command.arguments[0];
  const std::string name = command.arguments.size() > 1 && !command.arguments[1].empty()
                               ? command.arguments[1]
                               : StemOf(target);
  if (!IsSafeName(name)) return false;
  const std::string work_dir = command.arguments.size() > 6 && !command.arguments[6].empty()
                                   ? command.arguments[6]
                                   : DirectoryOf(target);
  return WriteShortcut(GroupPath(current_group_) + "\\" + name + ".lnk", target, work_dir, name);
}

bool ProgramGroups::ShowGroup(const std::string& name) {
  if (!IsSafeName(name) || !IsDirectory(GroupPath(name))) return false;
  current_group_ = name;
  return true;
}

bool ProgramGroups::DeleteGroup(const std::string& name) {
  if (!IsSafeName(name)) return false;
  const std::string path = GroupPath(name);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*.lnk").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      DeleteFileA((path + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  if (lstrcmpiA(current_group_.c_str(), name.c_str()) == 0) current_group_.clear();
  return RemoveDirectoryA(path.c_str()) != 0;
}

}  // namespace standin
