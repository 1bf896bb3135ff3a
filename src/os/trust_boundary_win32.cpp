// The trust boundary's system side on Windows.
#include <windows.h>
// after windows.h, which they need
#include <aclapi.h>
#include <sddl.h>

#include "os/os.h"
#include "os/os_win32.h"
#include "os/trust_boundary.h"

namespace trust {

// --- Folders and records. ------------------------------------------------------------------

namespace {

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (*this) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

// What `path` names itself, a link included, never what a link leads to.
HANDLE OpenUnfollowed(const std::wstring& name, DWORD access) {
  return CreateFileW(name.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, OPEN_EXISTING,
                     FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

std::string SidText(PSID sid) {
  LPWSTR text = nullptr;
  if (!sid || !ConvertSidToStringSidW(sid, &text)) return {};
  const std::string sid_text = os::Utf8(text).value_or(std::string());
  LocalFree(text);
  return sid_text;
}

// A descriptor built from its SDDL, freed with the object.
class Descriptor {
 public:
  explicit Descriptor(const std::string& sddl) {
    const std::optional<std::wstring> wide = os::Wide(sddl);
    if (!wide || !ConvertStringSecurityDescriptorToSecurityDescriptorW(
                     wide->c_str(), SDDL_REVISION_1, &sd_, nullptr))
      sd_ = nullptr;
  }
  ~Descriptor() {
    if (sd_) LocalFree(sd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  PSECURITY_DESCRIPTOR get() const { return sd_; }

 private:
  PSECURITY_DESCRIPTOR sd_ = nullptr;
};

// The file or directory an open handle stands for is marked to go when the handle closes.
// NtSetInformationFile is there from Windows NT on; SetFileInformationByHandle only from Vista.
bool MarkForDeletion(HANDLE file) {
  struct IoStatus {
    union {
      LONG status;
      void* pointer;
    };
    ULONG_PTR information;
  };
  using SetInformationFn = LONG(WINAPI*)(HANDLE, IoStatus*, void*, ULONG, int);
  constexpr int kFileDispositionInformation = 13;
  static const auto set_information = reinterpret_cast<SetInformationFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtSetInformationFile")));
  if (!set_information) return false;
  IoStatus io{};
  BOOLEAN remove = TRUE;
  return set_information(file, &io, &remove, sizeof remove, kFileDispositionInformation) >= 0;
}

}  // namespace

bool IsLink(const std::string& path) {
  const std::optional<std::wstring> name = os::SystemPath(path);
  if (!name) return false;
  const DWORD attributes = GetFileAttributesW(name->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    return false;
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
  wchar_t volume[64];
  const std::wstring folder = name->back() == L'\\' ? *name : *name + L"\\";
  return !GetVolumeNameForVolumeMountPointW(folder.c_str(), volume, 64);
}

FolderFacts ReadFolderFacts(const std::string& path) {
  FolderFacts facts;
  facts.link = LinkOnPath(path);
  facts.exists = os::GetAttributes(path).has_value();
  const std::optional<std::wstring> name = os::SystemPath(path);
  if (!facts.exists || !facts.link.empty() || !name) return facts;
  const Handle folder(OpenUnfollowed(*name, READ_CONTROL));
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR sd = nullptr;
  if (folder && GetSecurityInfo(folder.get(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner,
                                nullptr, nullptr, nullptr, &sd) == ERROR_SUCCESS) {
    facts.owner_sid = SidText(owner);
    LocalFree(sd);
  }
  return facts;
}

std::string OwnSid() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
  const Handle owned(token);
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::string buffer(size, '\0');
  if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) return {};
  return SidText(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid);
}

bool MakeDirectoryWithSddl(const std::string& path, const std::string& sddl) {
  if (sddl.empty()) return os::MakeDirectory(path);
  const Descriptor descriptor(sddl);
  const std::optional<std::wstring> name = os::SystemPath(path);
  if (!descriptor.get() || !name) return false;
  SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor.get(), FALSE};
  return CreateDirectoryW(name->c_str(), &attributes) != 0;
}

bool ApplySddl(const std::string& path, const std::string& sddl) {
  const Descriptor descriptor(sddl);
  std::optional<std::wstring> name = os::SystemPath(path);
  BOOL present = FALSE, defaulted = FALSE;
  PACL dacl = nullptr;
  if (!descriptor.get() || !name ||
      !GetSecurityDescriptorDacl(descriptor.get(), &present, &dacl, &defaulted) || !present)
    return false;
  return SetNamedSecurityInfoW(name->data(), SE_FILE_OBJECT,
                               DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                               nullptr, nullptr, dacl, nullptr) == ERROR_SUCCESS;
}

bool RemoveEntry(const std::string& path) {
  if (!LinkOnPath(os::WithoutTrailingBackslash(os::DirectoryOf(path))).empty()) return false;
  const std::optional<std::wstring> name = os::SystemPath(path);
  if (!name) return false;
  const DWORD named = GetFileAttributesW(name->c_str());
  if (named == INVALID_FILE_ATTRIBUTES) return false;
  const Handle entry(OpenUnfollowed(*name, DELETE | FILE_READ_ATTRIBUTES));
  BY_HANDLE_FILE_INFORMATION opened;
  // Where links are not opened as themselves (Wine), the handle stands for what the link leads
  // to: it must not go.
  return entry && GetFileInformationByHandle(entry.get(), &opened) &&
         !((opened.dwFileAttributes ^ named) & FILE_ATTRIBUTE_REPARSE_POINT) &&
         MarkForDeletion(entry.get());
}

}  // namespace trust
