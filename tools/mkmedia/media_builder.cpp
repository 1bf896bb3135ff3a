#include "media_builder.h"

#include <openssl/evp.h>
#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <system_error>
#include <vector>

#include "archive_writer.h"
#include "state/install_state.h"

namespace mkmedia {

namespace fs = std::filesystem;

namespace {

constexpr char kStagingName[] = ".mkmedia-staging";
// INSTALL.CFG is written last, when the disk count is known, and carries the media manifest;
// this much of disk 1 is kept for it, and room for its signature (a 4096-bit key's) beside it.
constexpr uint64_t kConfigReserve = 8192;
constexpr uint64_t kSignatureReserve = 512;

struct Archive {
  std::string name;
  fs::path folder;
  fs::path zip;
  uint64_t size = 0;
  // What the archive unpacks to.
  uint64_t unpacked = 0;
  size_t files = 0;
};

// What the manifest says of a file's bytes: the CRC-32 that finds a bad disk, the SHA-256 that
// finds bytes changed on purpose.
struct Sums {
  uint32_t crc = 0;
  std::string sha256;  // 64 lower-case hexadecimal digits
};

std::optional<Sums> FileSums(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  uLong crc = crc32(0, nullptr, 0);
  std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> sha(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
  if (!sha || EVP_DigestInit_ex(sha.get(), EVP_sha256(), nullptr) != 1) return std::nullopt;
  std::vector<char> buffer(1 << 16);
  while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0) {
    crc = crc32(crc, reinterpret_cast<const Bytef*>(buffer.data()), static_cast<uInt>(in.gcount()));
    if (EVP_DigestUpdate(sha.get(), buffer.data(), static_cast<size_t>(in.gcount())) != 1)
      return std::nullopt;
    if (in.eof()) break;
  }
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int size = 0;
  if (in.bad() || EVP_DigestFinal_ex(sha.get(), digest, &size) != 1) return std::nullopt;
  Sums sums{static_cast<uint32_t>(crc), {}};
  for (unsigned int i = 0; i < size; ++i) {
    char two[3];
    std::snprintf(two, sizeof two, "%02x", digest[i]);
    sums.sha256 += two;
  }
  return sums;
}

std::string Hex(uint32_t value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08X", value);
  return text;
}

// A folder of the product tree, matched without regard to case.
fs::path FindFolder(const fs::path& product_dir, const std::string& name) {
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(product_dir, ec)) {
    const std::string found = e.path().filename().string();
    if (e.is_directory() && found.size() == name.size() &&
        std::equal(found.begin(), found.end(), name.begin(),
                   [](char a, char b) { return std::toupper(a) == std::toupper(b); }))
      return e.path();
  }
  return fs::path();
}

// Copies `size` bytes from `offset` of one file into a new file.
std::string CopyRange(const fs::path& from, uint64_t offset, uint64_t size, const fs::path& to) {
  std::ifstream in(from, std::ios::binary);
  std::ofstream out(to, std::ios::binary | std::ios::trunc);
  if (!in || !out) return "cannot copy " + from.string() + " to " + to.string();
  in.seekg(static_cast<std::streamoff>(offset));
  std::vector<char> buffer(1 << 16);
  while (size > 0) {
    const auto chunk = static_cast<std::streamsize>(std::min<uint64_t>(size, buffer.size()));
    if (!in.read(buffer.data(), chunk) || !out.write(buffer.data(), chunk))
      return "cannot copy " + from.string() + " to " + to.string();
    size -= static_cast<uint64_t>(chunk);
  }
  if (!out.flush()) return "cannot write " + to.string();
  return std::string();
}

std::string WriteText(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out.write(text.data(), static_cast<std::streamsize>(text.size())) || !out.flush())
    return "cannot write " + path.string();
  return std::string();
}

class Builder {
 public:
  Builder(const MediaOptions& options, std::ostream& report) : o_(options), report_(report) {}

  std::string Run() {
    if (auto error = CheckInputs(); !error.empty()) return error;
    created_out_dir_ = !fs::exists(o_.out_dir);
    std::error_code ec;
    fs::create_directories(o_.out_dir / kStagingName, ec);
    if (ec) return "cannot create " + (o_.out_dir / kStagingName).string() + ": " + ec.message();
    std::string error = Build();
    fs::remove_all(o_.out_dir / kStagingName, ec);
    if (!error.empty()) Undo();
    return error;
  }

 private:
  std::string CheckInputs() {
    if (!fs::is_directory(o_.product_dir)) return "no product folder " + o_.product_dir.string();
    if (!fs::is_regular_file(o_.install_exe)) return "no INSTALL.EXE at " + o_.install_exe.string();
    if (!fs::is_regular_file(o_.upgrade_dll)) return "no UPGRADE.DLL at " + o_.upgrade_dll.string();
    if (o_.package_version && !o_.single_folder) return "a package carries one folder of media";
    if (o_.package_version && !fs::is_regular_file(o_.setup_action))
      return "no SETUPACT.DLL at " + o_.setup_action.string();
    std::error_code ec;
    if (fs::exists(o_.out_dir) && !fs::is_empty(o_.out_dir, ec))
      return "the output folder " + o_.out_dir.string() + " is not empty";
    if (o_.signing.Enabled()) {
      if (auto error = CheckSigning(o_.signing); !error.empty()) return error;
    } else if (!o_.signing.timestamp.empty() || !o_.signing.pass_file.empty()) {
      return "a time-stamp server or a password without a key to sign with";
    }
    const auto& selection = o_.upgrade ? kUpgradeSelection[0] : kFreshSelection[0];
    for (int i = 0; i < kCatalogueSize; ++i) {
      if (!selection[i]) continue;
      Archive a{kCatalogue[i].Name, FindFolder(o_.product_dir, kCatalogue[i].Name), {}, 0};
      if (a.folder.empty())
        return "the product has no folder " + a.name + " in " + o_.product_dir.string();
      archives_.push_back(a);
    }
    return std::string();
  }

  // The line of a piece in the manifest: disk, size, CRC-32 and SHA-256.
  static std::optional<std::string> PieceLine(const std::string& name, size_t disk,
                                              const fs::path& path) {
    const std::optional<Sums> sums = FileSums(path);
    if (!sums) return std::nullopt;
    return name + "=" + std::to_string(disk) + " " + std::to_string(fs::file_size(path)) + " " +
           Hex(sums->crc) + " " + sums->sha256 + "\r\n";
  }

  std::string Build() {
    const fs::path staging = o_.out_dir / kStagingName;
    fs::path install_exe = o_.install_exe, upgrade_dll = o_.upgrade_dll;
    if (o_.signing.Enabled()) {
      // The programs are signed before they are measured and packed.
      install_exe = staging / "INSTALL.EXE";
      upgrade_dll = staging / "UPGRADE.DLL";
      if (auto error = SignFile(o_.signing, o_.install_exe, install_exe); !error.empty())
        return error;
      if (auto error = SignFile(o_.signing, o_.upgrade_dll, upgrade_dll); !error.empty())
        return error;
    }
    for (Archive& a : archives_) {
      const ArchiveEntries entries = FolderEntries(a.folder);
      if (entries.empty()) return "the folder " + a.folder.string() + " holds no files";
      a.zip = staging / (a.name + ".ZIP");
      if (auto error = WriteArchive(entries, a.zip); !error.empty()) return error;
      a.size = fs::file_size(a.zip);
      for (const auto& entry : entries) a.unpacked += fs::file_size(entry.second);
      a.files = entries.size();
    }
    const fs::path upgrade_zip = staging / "UPGRADE.ZIP";
    if (auto error = WriteArchive({{"UPGRADE.DLL", upgrade_dll}}, upgrade_zip); !error.empty())
      return error;

    PlanInput input;
    input.disk_size = o_.disk_size;
    input.first_disk_size = o_.first_disk_size;
    input.cluster_size = o_.cluster_size;
    input.piece_limit = o_.piece_limit;
    input.single_folder = o_.single_folder;
    input.first_disk_reserved =
        ClusterRound(fs::file_size(install_exe), o_.cluster_size) +
        ClusterRound(fs::file_size(upgrade_zip), o_.cluster_size) +
        ClusterRound(kConfigReserve, o_.cluster_size) +
        (o_.signing.Enabled() ? ClusterRound(kSignatureReserve, o_.cluster_size) : 0);
    for (const Archive& a : archives_) input.archive_sizes.push_back(a.size);
    auto planned = PlanMedia(input);
    if (auto* error = std::get_if<std::string>(&planned)) return *error;
    const Plan& plan = std::get<Plan>(planned);

    std::string pieces;
    for (size_t d = 0; d < plan.size(); ++d) {
      const fs::path dir = DiskFolder(d + 1);
      std::error_code ec;
      fs::create_directories(dir, ec);
      if (ec) return "cannot create " + dir.string() + ": " + ec.message();
      if (auto error = WriteText(dir / ("DISK" + std::to_string(d + 1)), ""); !error.empty())
        return error;
      for (const Piece& p : plan[d]) {
        const Archive& a = archives_[p.archive];
        const std::string name = a.name + "." + std::to_string(p.number);
        if (auto error = CopyRange(a.zip, p.offset, p.size, dir / name); !error.empty())
          return error;
        const std::optional<std::string> line = PieceLine(name, d + 1, dir / name);
        if (!line) return "cannot read " + (dir / name).string();
        pieces += *line;
        report_ << dir.filename().string() << "/" << name << " " << p.size << "\n";
      }
    }
    const fs::path first = DiskFolder(1);
    std::error_code ec;
    fs::copy_file(install_exe, first / "INSTALL.EXE", ec);
    if (ec) return "cannot copy " + install_exe.string() + ": " + ec.message();
    fs::copy_file(upgrade_zip, first / "UPGRADE.1", ec);
    if (ec) return "cannot write " + (first / "UPGRADE.1").string() + ": " + ec.message();
    const std::optional<std::string> upgrade_line = PieceLine("UPGRADE.1", 1, first / "UPGRADE.1");
    if (!upgrade_line) return "cannot read " + (first / "UPGRADE.1").string();
    pieces += *upgrade_line;
    std::string unpacked;
    for (const Archive& a : archives_) {
      const std::optional<Sums> sums = FileSums(a.zip);
      if (!sums) return "cannot read " + a.zip.string();
      unpacked += a.name + "=" + std::to_string(a.unpacked) + " " + std::to_string(a.files) + " " +
                  sums->sha256 + "\r\n";
    }
    const std::string config = "[General]\r\nNrDiscuri=" + std::to_string(plan.size()) +
                               "\r\n\r\n[Media]\r\nKind=" + (o_.upgrade ? "Upgrade" : "Full") +
                               "\r\n\r\n[Pieces]\r\n" + pieces + "\r\n[Archives]\r\n" + unpacked;
    if (config.size() > kConfigReserve)
      return "the manifest (" + std::to_string(config.size()) + " bytes) does not fit the " +
             std::to_string(kConfigReserve) + " bytes kept for it on disk 1";
    if (auto error = WriteText(first / "INSTALL.CFG", config); !error.empty()) return error;
    if (o_.signing.Enabled()) {
      std::string error;
      const std::string signature = SignText(o_.signing, config, error);
      if (error.empty() && signature.size() > kSignatureReserve)
        error = "the manifest's signature is longer than a 4096-bit key's";
      if (error.empty()) error = WriteText(first / "INSTALL.SIG", signature);
      if (!error.empty()) return error;
    }
    report_ << plan.size() << (plan.size() == 1 ? " disk" : " disks") << "\n";
    if (!o_.package_version) return std::string();
    if (auto error = BuildPackage({*o_.package_version, o_.out_dir, o_.setup_action,
                                   o_.signing.Enabled() ? &o_.signing : nullptr});
        !error.empty())
      return error;
    report_ << kPackageName << " " << o_.package_version->Text() << "\n";
    return std::string();
  }

  fs::path DiskFolder(size_t n) const {
    return o_.single_folder ? o_.out_dir : o_.out_dir / ("disk" + std::to_string(n));
  }

  // Takes back what this run wrote; the folder was empty or missing before.
  void Undo() {
    std::error_code ec;
    if (created_out_dir_) {
      fs::remove_all(o_.out_dir, ec);
      return;
    }
    for (const auto& e : fs::directory_iterator(o_.out_dir, ec)) fs::remove_all(e.path(), ec);
  }

  const MediaOptions& o_;
  std::ostream& report_;
  std::vector<Archive> archives_;
  bool created_out_dir_ = false;
};

}  // namespace

std::string BuildMedia(const MediaOptions& options, std::ostream& report) {
  try {
    return Builder(options, report).Run();
  } catch (const fs::filesystem_error& e) {
    return e.what();
  }
}

}  // namespace mkmedia
