#include "copy/archive_assembly.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <tuple>

#include "changes/files.h"
#include "changes/journal.h"
#include "copy/signed_media.h"
#include "os/os.h"
#include "unzip/crc32.h"

namespace copy {

namespace {

constexpr uint32_t kPieceBuffer = 25000;

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string BaseName(const std::string& name) {
  return name.substr(0, name.find('.'));
}

std::string Extension(const std::string& name) {
  const auto dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

// Sort key: archive, piece number (non-numeric extensions last), then the text itself.
auto PieceKey(const std::string& name) {
  const std::string ext = Extension(name);
  uint64_t number = UINT64_MAX;
  if (ext.size() > 1 && ext.size() < 12 &&
      std::all_of(ext.begin() + 1, ext.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    number = std::stoull(ext.substr(1));
  }
  return std::make_tuple(Upper(BaseName(name)), number, Upper(name));
}

}  // namespace

std::string PieceFaultText(const std::string& piece, PieceCopy fault) {
  switch (fault) {
    case PieceCopy::kForeign:
      return piece + " nu este cel semnat de editor:\r" + NotThePublishers();
    case PieceCopy::kUnlisted:
      return piece + " nu este in lista semnata de editor:\r" + NotThePublishers();
    default:
      return piece + " este deteriorat.";
  }
}

std::string AssemblyDirectory(const TInstallState& state) {
  return changes::Planning() ? changes::ScratchDirectory() : state.ProgramDirOffered;
}

std::vector<std::string> OrderPieces(std::vector<std::string> names) {
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return PieceKey(a) < PieceKey(b); });
  names.erase(
      std::unique(names.begin(), names.end(),
                  [](const std::string& a, const std::string& b) { return Upper(a) == Upper(b); }),
      names.end());
  return names;
}

bool TArchiveAssembler::WaitForDisk(int n) {
  host_.SetMessageSuffix("Pentru continuare");
  while (!os::FileExists(state_.SourceDir + "\\DISK" + std::to_string(n))) {
    if (host_.AskForDisk(n, "introdu discul de instalare cu numarul \r" + std::to_string(n)) == 2) {
      return false;
    }
  }
  return true;
}

bool TArchiveAssembler::IsArchivePiece(const std::string& name) const {
  const std::string ext = Extension(name);
  if (ext.empty() || ext.back() < '0' || ext.back() > '9') return false;
  const int type = state_.InstallType;
  if (type < itLocal || type > itClient) return false;
  const std::string base = Upper(BaseName(name));
  for (int i = 0; i < kCatalogueSize; ++i) {
    if (selection_[type - 1][i] && base == kCatalogue[i].Name) return true;
  }
  return false;
}

PieceCopy TArchiveAssembler::CopyPiece(const std::string& name) {
  host_.SetStatus(name);
  const PieceRecord* expected = media_ ? media_->Piece(name) : nullptr;
  if (media_ && media_->proven && !expected) return PieceCopy::kUnlisted;
  const std::string source = state_.SourceDir + "\\" + name;
  // The located program directory keeps its trailing backslash: one separator, not two.
  const std::string target =
      os::WithTrailingBackslash(AssemblyDirectory(state_)) + BaseName(name) + ".ZIP";
  ++pieces_;
  os::File in = os::File::Open(source, os::OpenMode::kRead);
  if (!in) {
    host_.ShowError("Nu pot citi " + source);
    return PieceCopy::kFailed;
  }
  const std::string archive = Upper(BaseName(name));
  os::File out;
  if (Extension(name) == ".1") {
    if (!changes::NoteTemporaryFile(target)) {
      host_.ShowError("Nu pot scrie " + target);
      return PieceCopy::kFailed;
    }
    out = os::File::Open(target, os::OpenMode::kCreate);
    archive_hashes_[archive] = os::Sha256();
  } else {
    out = os::File::Open(target, os::OpenMode::kAppend);
    // A later piece without its first one has no archive to join: it is dropped.
    if (!out) return PieceCopy::kCopied;
  }
  if (!out) {
    host_.ShowError("Nu pot scrie " + target);
    return PieceCopy::kFailed;
  }
  const int64_t start = out.Size();
  // The checks ride on the copy's own reads: the disk is read once.
  uint32_t crc = unzip::kCrcInitial;
  os::Sha256 piece_hash;
  os::Sha256 archive_hash = archive_hashes_[archive];
  const ArchiveRecord* whole = media_ ? media_->Archive(archive) : nullptr;
  int64_t size = 0;
  const auto buffer = std::make_unique<char[]>(kPieceBuffer);
  for (;;) {
    const int32_t n = in.Read(buffer.get(), kPieceBuffer);
    if (n < 0) {
      host_.ShowError("Nu pot citi " + source);
      return PieceCopy::kFailed;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(buffer.get());
    if (expected) {
      crc = unzip::UpdateCrc32(crc, bytes, n);
      if (expected->sha256) piece_hash.Update(bytes, n);
    }
    if (whole && whole->sha256) archive_hash.Update(bytes, n);
    size += n;
    if (n > 0 && out.Write(buffer.get(), static_cast<uint32_t>(n)) != n) {
      host_.ShowError("Nu pot scrie " + target);
      return PieceCopy::kFailed;
    }
    if (static_cast<uint32_t>(n) < kPieceBuffer) break;
  }
  PieceCopy result = PieceCopy::kCopied;
  if (expected && (size != expected->size || ~crc != expected->crc)) {
    result = PieceCopy::kDamaged;
  } else if (expected && expected->sha256 && piece_hash.Final() != *expected->sha256) {
    result = PieceCopy::kForeign;
  }
  if (result != PieceCopy::kCopied) {
    // The archive goes back to its length before this piece, so that a second reading of the
    // disk joins on the right bytes and a changed archive is never extracted.
    if (!out.Seek(start) || !out.Truncate()) {
      host_.ShowError("Nu pot scrie " + target);
      return PieceCopy::kFailed;
    }
    out.Close();
    --pieces_;
    return result;
  }
  if (!out.Close()) {
    host_.ShowError("Nu pot scrie " + target);
    return PieceCopy::kFailed;
  }
  archive_hashes_[archive] = archive_hash;
  return PieceCopy::kCopied;
}

std::vector<std::string> TArchiveAssembler::MissingPieces(
    int n, const std::vector<std::string>& found) const {
  std::vector<std::string> missing;
  if (!media_) return missing;
  for (const auto& entry : media_->pieces) {
    const std::string& name = entry.first;
    // Media in one folder hold every disk's pieces.
    if (state_.DiskCount > 1 && entry.second.disk != n) continue;
    if (!IsArchivePiece(name)) continue;
    const bool present = std::any_of(found.begin(), found.end(),
                                     [&name](const std::string& f) { return Upper(f) == name; });
    if (!present) missing.push_back(name);
  }
  return missing;
}

bool TArchiveAssembler::AskAgain(const std::string& text, const std::string& caption, int n) {
  const std::string where = state_.DiskCount > 1 ? "\rIntroduceti din nou discul " +
                                                       std::to_string(n) + " si apasati Retry."
                                                 : "\rVerificati sursa si apasati Retry.";
  if (!host_.AskRetry(text + where, caption)) return false;
  return WaitForDisk(n);
}

bool TArchiveAssembler::ArchivesAreTheManifests() {
  if (!media_) return true;
  const int type = state_.InstallType;
  for (int i = 0; i < kCatalogueSize; ++i) {
    if (type < itLocal || type > itClient || !selection_[type - 1][i]) continue;
    const ArchiveRecord* record = media_->Archive(kCatalogue[i].Name);
    if (!record || !record->sha256) continue;
    const auto joined = archive_hashes_.find(kCatalogue[i].Name);
    if (joined != archive_hashes_.end() && joined->second.Final() == *record->sha256) continue;
    host_.ShowError(std::string(kCatalogue[i].Name) +
                    ".ZIP, asamblata de pe discuri, nu este arhiva semnata de editor:\r" +
                    NotThePublishers());
    return false;
  }
  return true;
}

AssemblyResult TArchiveAssembler::AssembleArchives() {
  host_.SetStatus("Asamblare arhive...");
  pieces_ = 0;
  archive_hashes_.clear();
  if (!host_.IsRemovableDrive(state_.SourceDir.substr(0, 3))) state_.DiskCount = 1;
  host_.SetGaugeMax(state_.DiskCount);
  host_.SetGaugePosition(0);
  state_.SourceDir = os::WithoutTrailingBackslash(state_.SourceDir);
  for (int n = 1; n <= state_.DiskCount; ++n) {
    if (!WaitForDisk(n)) return AssemblyResult::kCancelled;
    host_.SetGaugePosition(n);
    const std::string disk = state_.DiskCount > 1 ? " de pe discul " + std::to_string(n) : "";
    std::vector<std::string> pieces;
    for (;;) {
      pieces.clear();
      for (const os::DirEntry& entry : os::ListDirectory(state_.SourceDir)) {
        if (!entry.is_directory && IsArchivePiece(entry.name)) pieces.push_back(entry.name);
      }
      // A piece a signed manifest does not name is refused before any piece of its disk is
      // copied.
      const auto unlisted =
          std::find_if(pieces.begin(), pieces.end(), [this](const std::string& piece) {
            return media_ && media_->proven && !media_->Piece(piece);
          });
      if (unlisted != pieces.end()) {
        if (!AskAgain(PieceFaultText(*unlisted + disk, PieceCopy::kUnlisted), kForeignKitCaption,
                      n))
          return AssemblyResult::kCancelled;
        continue;
      }
      const std::vector<std::string> missing = MissingPieces(n, pieces);
      if (missing.empty()) break;
      if (!AskAgain("Lipseste " + missing.front() + disk + ".", kDamagedDiskCaption, n))
        return AssemblyResult::kCancelled;
    }
    for (const std::string& piece : OrderPieces(pieces)) {
      for (;;) {
        const PieceCopy copied = CopyPiece(piece);
        if (copied == PieceCopy::kCopied) break;
        if (copied == PieceCopy::kFailed) return AssemblyResult::kFailed;
        if (!AskAgain(PieceFaultText(piece + disk, copied),
                      copied == PieceCopy::kDamaged ? kDamagedDiskCaption : kForeignKitCaption, n))
          return AssemblyResult::kCancelled;
      }
    }
    host_.SetGaugePosition(pieces_);
  }
  return ArchivesAreTheManifests() ? AssemblyResult::kDone : AssemblyResult::kFailed;
}

void TArchiveAssembler::RemoveAssembledArchives() {
  const std::string dir = changes::Planning() ? changes::ScratchDirectory() : state_.ProgramDir;
  for (const os::DirEntry& entry : os::ListDirectory(dir)) {
    if (entry.is_directory || Upper(Extension(entry.name)) != ".ZIP") continue;
    const std::string path = dir + "\\" + entry.name;
    if (!os::RemoveFile(path)) host_.ShowPlainMessage("Nu pot sterge " + path);
  }
}

}  // namespace copy
