#include "os/trust_boundary.h"

#include <cctype>
#include <vector>

#include "os/os.h"

namespace trust {

// --- Security descriptors of what the installer makes ------------------------------------

namespace {

constexpr char kRunFolderStem[] = "RidOZIZUZ-";
constexpr char kDigits[] = "0123456789ABCDEF";

}  // namespace

std::string RunFolderName(const std::array<uint8_t, 16>& random) {
  std::string name = kRunFolderStem;
  for (const uint8_t byte : random) {
    name += kDigits[byte >> 4];
    name += kDigits[byte & 15];
  }
  return name;
}

bool IsRunFolderName(const std::string& name) {
  const std::string stem = kRunFolderStem;
  if (name.size() != stem.size() + 32 || name.compare(0, stem.size(), stem) != 0) return false;
  return name.find_first_not_of(kDigits, stem.size()) == std::string::npos;
}

std::optional<std::string> MakeRunFolder(const std::string& parent) {
  // A name that exists was made by somebody else: another name, never that folder.
  for (int attempt = 0; attempt < 8; ++attempt) {
    std::array<uint8_t, 16> random{};
    if (!RandomBytes(random.data(), random.size())) return std::nullopt;
    const std::string folder = os::WithTrailingBackslash(parent) + RunFolderName(random);
    if (MakeDirectoryWithDescriptor(folder, kRunFolderSddl)) return folder;
  }
  return std::nullopt;
}

// --- Programs and libraries ------------------------------------------------------------

bool IsFullPath(const std::string& path) {
  const bool drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  const bool share = path.size() > 2 && path.compare(0, 2, "\\\\") == 0 && path[2] != '\\';
  return drive || share;
}

std::string InFolder(const std::string& folder, const std::string& file) {
  // The text is UTF-8: a backslash byte is always a backslash.
  if (!folder.empty() && folder.back() == '\\') return folder + file;
  return folder + "\\" + file;
}

std::optional<std::string> RegistryEditorPath(const std::string& windows_folder) {
  if (!IsFullPath(windows_folder)) return std::nullopt;
  return InFolder(windows_folder, "regedit.exe");
}

std::optional<std::string> ServiceProgramPath(const std::string& system_folder,
                                              const std::string& service) {
  if (!IsFullPath(system_folder)) return std::nullopt;
  return InFolder(system_folder, service + ".exe");
}

std::optional<std::string> EngineLibraryPath(const std::string& dll_path_list) {
  const std::string first = dll_path_list.substr(0, dll_path_list.find(';'));
  if (!IsFullPath(first)) return std::nullopt;
  return InFolder(first, kEngineLibrary);
}

// --- Folders and records. ------------------------------------------------------------------

namespace {

constexpr char kAdministratorsSid[] = "S-1-5-32-544";
constexpr char kSystemSid[] = "S-1-5-18";
constexpr char kTrustedInstallerSid[] =
    "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";

// A path as Windows compares it: upper case, one kind of separator, no doubled or trailing one
// (a UNC path keeps its leading pair).
std::string PathKey(const std::string& path) {
  std::string key;
  for (size_t i = 0; i < path.size(); ++i) {
    const char c = path[i] == '/' ? '\\' : path[i];
    if (c == '\\' && i > 1 && !key.empty() && key.back() == '\\') continue;
    key += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  while (key.size() > 2 && key.back() == '\\') key.pop_back();
  return key;
}

std::vector<std::string> Steps(const std::string& key) {
  std::vector<std::string> steps(1);
  for (const char c : key) {
    if (c == '\\') {
      steps.emplace_back();
    } else {
      steps.back() += c;
    }
  }
  return steps;
}

// "." and ".." lead elsewhere than the text says; "\\?\" and "\\.\" skip the system's reading
// of the path altogether.
bool Misleads(const std::string& key) {
  if (key.rfind("\\\\?\\", 0) == 0 || key.rfind("\\\\.\\", 0) == 0) return true;
  for (const std::string& step : Steps(key))
    if (step == "." || step == "..") return true;
  return false;
}

// "C:", "\\SERVER\SHARE", or the POSIX root: everything on the machine lies below it.
bool IsRoot(const std::string& key) {
  if (key.empty() || key == "\\") return true;
  if (key.size() == 2 && key[1] == ':') return true;
  if (key.rfind("\\\\", 0) == 0) return Steps(key.substr(2)).size() <= 2;
  return false;
}

}  // namespace

std::string RecordsFolderIn(const std::string& program_files) {
  return os::WithTrailingBackslash(program_files) + kRecordsFolderName;
}

std::string NewFolderSddl(FolderRole role, bool inherit_permissions, bool inside_program_files) {
  if (inherit_permissions) return {};
  if (role == FolderRole::kData) return kDataFolderSddl;
  return inside_program_files ? std::string() : kProgramFolderSddl;
}

bool PathInside(const std::string& path, const std::string& folder) {
  const std::string p = PathKey(path), f = PathKey(folder);
  if (IsRoot(f) || Misleads(p) || Misleads(f)) return false;
  return p == f || (p.size() > f.size() && p.compare(0, f.size(), f) == 0 && p[f.size()] == '\\');
}

bool TrustedOwner(const std::string& owner_sid, const std::string& own_sid) {
  return owner_sid == kAdministratorsSid || owner_sid == kSystemSid ||
         owner_sid == kTrustedInstallerSid || (!own_sid.empty() && owner_sid == own_sid);
}

std::string FolderRefusal(const std::string& path, const FolderFacts& facts,
                          const std::string& own_sid) {
  if (!facts.link.empty())
    return "Directorul\r" + facts.link +
           "\reste o legatura spre alt loc (jonctiune sau legatura simbolica).";
  if (!facts.exists) return {};
  if (facts.owner_sid.empty()) return "Directorul\r" + path + "\rnu isi arata proprietarul.";
  if (!TrustedOwner(facts.owner_sid, own_sid))
    return "Directorul\r" + path + "\rnu apartine administratorilor (proprietar " +
           facts.owner_sid + ").";
  return {};
}

std::string LinkOnPath(const std::string& path) {
  size_t from = 0;
  if (path.size() >= 2 && path[1] == ':') {
    from = 2;
  } else if (path.rfind("\\\\", 0) == 0) {
    // The server and the share are no steps of their own.
    from = path.find('\\', path.find('\\', 2) + 1);
    if (from == std::string::npos) return {};
  }
  if (path.size() <= from + 1) return {};
  for (size_t cut = path.find_first_of("\\/", from + 1);;
       cut = path.find_first_of("\\/", cut + 1)) {
    const std::string step = path.substr(0, cut);
    if (IsLink(step)) return step;
    if (cut == std::string::npos) return {};
  }
}

std::string ExistingFolderRefusal(const std::string& path) {
  return FolderRefusal(path, ReadFolderFacts(path), OwnSid());
}

}  // namespace trust
