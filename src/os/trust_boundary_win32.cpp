// The trust boundary's system side on Windows.
#include <windows.h>
// after windows.h, which they need
#include <aclapi.h>
#include <sddl.h>

#include "os/os.h"
#include "os/os_win32.h"
#include "os/text_encoding.h"
#include "os/trust_boundary.h"

namespace trust {

// --- Security descriptors of what the installer makes ------------------------------------

namespace {

// Makes an object with the security descriptor `sddl` (`make` gets its attributes), keeping the
// system's last error of the making: `failed` when the text is no descriptor, since nothing may
// be made with a default one then.
template <typename Result, typename Make>
Result MadeWith(const char* sddl, Result failed, Make make) {
  Result result = failed;
  DWORD error = ERROR_INVALID_SECURITY_DESCR;
  SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, FALSE};
  const std::optional<std::wstring> text = os::Wide(sddl);
  if (text && ConvertStringSecurityDescriptorToSecurityDescriptorW(
                  text->c_str(), SDDL_REVISION_1, &attributes.lpSecurityDescriptor, nullptr)) {
    result = make(&attributes);
    error = GetLastError();
    LocalFree(attributes.lpSecurityDescriptor);
  }
  SetLastError(error);
  return result;
}

bool IsWellKnown(PSID sid, WELL_KNOWN_SID_TYPE type) {
  BYTE known[SECURITY_MAX_SID_SIZE];
  DWORD size = sizeof known;
  return CreateWellKnownSid(type, nullptr, known, &size) && EqualSid(sid, known);
}

// The owner this process gives what it makes: Administrators when an administrator's program
// runs elevated.
bool IsOwnDefaultOwner(PSID sid) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  alignas(TOKEN_OWNER) BYTE buffer[sizeof(TOKEN_OWNER) + SECURITY_MAX_SID_SIZE];
  DWORD size = 0;
  const bool same = GetTokenInformation(token, TokenOwner, buffer, sizeof buffer, &size) &&
                    EqualSid(sid, reinterpret_cast<TOKEN_OWNER*>(buffer)->Owner);
  CloseHandle(token);
  return same;
}

}  // namespace

bool MakeDirectoryWithDescriptor(const std::string& path, const char* sddl) {
  const std::optional<std::wstring> name = os::SystemPath(path);
  return name && MadeWith(sddl, false, [&](SECURITY_ATTRIBUTES* attributes) {
           return CreateDirectoryW(name->c_str(), attributes) != 0;
         });
}

bool RandomBytes(uint8_t* buffer, size_t size) {
  // RtlGenRandom, exported by name as SystemFunction036 since Windows XP.
  using GenRandom = BOOLEAN(WINAPI*)(PVOID, ULONG);
  HMODULE advapi32 = GetModuleHandleW(L"advapi32.dll");
  const auto generate = advapi32 ? reinterpret_cast<GenRandom>(reinterpret_cast<void*>(
                                       GetProcAddress(advapi32, "SystemFunction036")))
                                 : nullptr;
  return generate && generate(buffer, static_cast<ULONG>(size));
}

std::string TemporaryFolder() {
  const std::optional<std::string> folder =
      os::SystemText([](wchar_t* buffer, DWORD size) { return GetTempPathW(size, buffer); });
  return folder ? os::WithTrailingBackslash(*folder) : std::string();
}

namespace {

// A path as the system gives it back, to be compared: without the long form's prefix, in upper
// case.
std::wstring Comparable(std::wstring path) {
  if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) {
    path = L"\\\\" + path.substr(8);
  } else if (path.rfind(L"\\\\?\\", 0) == 0) {
    path = path.substr(4);
  }
  // Windows' own mapping, not the C library's, which knows no letter beyond ASCII here.
  LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, path.data(), static_cast<int>(path.size()),
               path.data(), static_cast<int>(path.size()));
  return path;
}

template <typename Call>
std::optional<std::wstring> WideAnswer(Call call) {
  const std::optional<std::string> text = os::SystemText(call);
  return text ? os::Wide(*text) : std::nullopt;
}

// Whether the name opened as `file` leads elsewhere: a link in its place, a link in its path
// (the path the system reached differs from the one asked for), or a file with another name.
bool ReachedThroughLink(HANDLE file, const std::wstring& asked) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file, &info)) return true;
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) || info.nNumberOfLinks > 1)
    return true;
  // Windows XP cannot say where a handle leads: the name alone is looked at there.
  using FinalPathFn = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
  HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
  const auto final_path = kernel32 ? reinterpret_cast<FinalPathFn>(reinterpret_cast<void*>(
                                         GetProcAddress(kernel32, "GetFinalPathNameByHandleW")))
                                   : nullptr;
  if (!final_path) return false;
  const std::optional<std::wstring> reached =
      WideAnswer([&](wchar_t* buffer, DWORD size) { return final_path(file, buffer, size, 0); });
  const std::optional<std::wstring> full = WideAnswer([&](wchar_t* buffer, DWORD size) {
    return GetFullPathNameW(asked.c_str(), size, buffer, nullptr);
  });
  if (!reached || !full) return true;
  // A network drive's letter is the share's name for the system.
  if (full->size() > 2 && (*full)[1] == L':' &&
      GetDriveTypeW((full->substr(0, 2) + L"\\").c_str()) == DRIVE_REMOTE) {
    return false;
  }
  // A short (8.3) name in the path is the same place as its long one.
  const std::wstring asked_long = WideAnswer([&](wchar_t* buffer, DWORD size) {
                                    return GetLongPathNameW(full->c_str(), buffer, size);
                                  }).value_or(*full);
  return Comparable(*reached) != Comparable(asked_long);
}

}  // namespace

Appended AppendWithoutLinks(const std::string& path, const std::string& text) {
  const std::optional<std::wstring> name = os::SystemPath(path);
  if (!name) return Appended::kNotOpened;
  // Only appending: nothing already in the file can be overwritten.
  const DWORD access = FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  // The link itself is opened, never what it names.
  const DWORD flags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT;
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 2 && file == INVALID_HANDLE_VALUE; ++attempt) {
    file = CreateFileW(name->c_str(), access, share, nullptr, OPEN_EXISTING, flags, nullptr);
    if (file != INVALID_HANDLE_VALUE) break;
    if (GetLastError() != ERROR_FILE_NOT_FOUND) {
      // A junction or a link to a folder is no file to open.
      const DWORD attributes = GetFileAttributesW(name->c_str());
      return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
                 ? Appended::kLink
                 : Appended::kNotOpened;
    }
    file = CreateFileW(name->c_str(), access, share, nullptr, CREATE_NEW, flags, nullptr);
    // A name that cannot be opened and exists is a link to nothing (unless another program
    // made the file in between: looked at once more).
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
      return Appended::kNotOpened;
    }
  }
  if (file == INVALID_HANDLE_VALUE) return Appended::kLink;
  if (ReachedThroughLink(file, *name)) {
    CloseHandle(file);
    return Appended::kLink;
  }
  DWORD written = 0;
  const bool whole =
      WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
      written == text.size();
  return CloseHandle(file) && whole ? Appended::kWritten : Appended::kNotWritten;
}

void* CreateSetupMutex(const std::string& name, bool owned) {
  const std::optional<std::wstring> wide = os::Wide(name);
  if (!wide) return nullptr;
  return MadeWith<HANDLE>(kSetupMutexSddl, nullptr, [&](SECURITY_ATTRIBUTES* attributes) {
    return CreateMutexW(attributes, owned ? TRUE : FALSE, wide->c_str());
  });
}

bool MadeByAdministrators(void* object) {
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetSecurityInfo(object, SE_KERNEL_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                      nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  const bool trusted = owner && (IsWellKnown(owner, WinBuiltinAdministratorsSid) ||
                                 IsWellKnown(owner, WinLocalSystemSid) || IsOwnDefaultOwner(owner));
  LocalFree(descriptor);
  return trusted;
}

// --- Programs and libraries ------------------------------------------------------------

namespace {

#ifndef LOAD_LIBRARY_SEARCH_SYSTEM32
#define LOAD_LIBRARY_SEARCH_SYSTEM32 0x00000800
#endif

// A function of kernel32 that older Windows lack, looked up so that the program still starts
// there.
template <typename Fn>
Fn Kernel32Function(const char* name) {
  HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
  return kernel32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(kernel32, name)))
                  : nullptr;
}

template <typename Call>
std::string FolderFrom(Call call) {
  wchar_t buffer[MAX_PATH + 1];
  const UINT n = call(buffer, MAX_PATH + 1);
  if (n == 0 || n > MAX_PATH) return {};
  return os::Utf8(std::wstring_view(buffer, n)).value_or(std::string());
}

}  // namespace

bool RestrictLibrarySearch() {
  using SetDefaultFn = BOOL(WINAPI*)(DWORD);
  using SetDirectoryFn = BOOL(WINAPI*)(LPCWSTR);
  if (auto set_default = Kernel32Function<SetDefaultFn>("SetDefaultDllDirectories");
      set_default && set_default(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    return true;
  }
  // The application's folder stays in that search: the elevated copies run from folders only
  // administrators write, the media start from its media.
  auto set_directory = Kernel32Function<SetDirectoryFn>("SetDllDirectoryW");
  return set_directory && set_directory(L"");
}

std::string SystemFolder() {
  return FolderFrom([](wchar_t* buffer, UINT size) { return GetSystemDirectoryW(buffer, size); });
}

std::string WindowsFolder() {
  return FolderFrom(
      [](wchar_t* buffer, UINT size) { return GetSystemWindowsDirectoryW(buffer, size); });
}

void* LoadLibraryByFullPath(const std::string& path) {
  const std::optional<std::wstring> wide = os::Wide(path);
  if (!wide || !IsFullPath(path)) {
    SetLastError(ERROR_BAD_PATHNAME);
    return nullptr;
  }
  return LoadLibraryExW(wide->c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

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
  return MakeDirectoryWithDescriptor(path, sddl.c_str());
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
