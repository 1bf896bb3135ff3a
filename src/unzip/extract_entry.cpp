#include "unzip/extract_entry.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "changes/files.h"
#include "changes/journal.h"
#include "os/os.h"
#include "os/sha256.h"
#include "unzip/crc32.h"
#include "unzip/decode_stream.h"
#include "unzip/explode.h"
#include "unzip/inflate.h"
#include "unzip/little_endian.h"
#include "unzip/stored.h"
#include "unzip/target_path.h"
#include "unzip/unshrink.h"
#include "unzip/unzip_report.h"
#include "unzip/unzip_state.h"

namespace unzip {

namespace {

constexpr uint32_t kLocalHeaderSize = 30;
constexpr uint32_t kUnboundedSize = 2147483647;
constexpr uint32_t kStaleBusyMs = 30000;
constexpr uint32_t kDescriptorSignature = 0x08074B50;

constexpr uint16_t kFlagEncrypted = 1 << 0;
constexpr uint16_t kFlagLargeDictionary = 1 << 1;
constexpr uint16_t kFlagLiteralTree = 1 << 2;
constexpr uint16_t kFlagDescriptor = 1 << 3;

constexpr uint16_t kMethodStored = 0;
constexpr uint16_t kMethodShrunk = 1;
constexpr uint16_t kMethodImploded = 6;
constexpr uint16_t kMethodDeflated = 8;

// Holds the busy flag for the length of one entry.
class BusyScope {
 public:
  BusyScope() { Engine().busy = true; }
  ~BusyScope() { Engine().busy = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
};

void Pump(WindowHandle window) {
  Engine().last_pump_tick = os::TickCount();
  PumpMessages(window);
}

// Reads the entry's compressed bytes from the archive and writes decoded ones to the target,
// keeping the interface alive, the progress current and the CRC running.
class EntryPort : public DecodePort {
 public:
  EntryPort(os::File& archive, os::File& target, uint32_t compressed_size, WindowHandle window,
            uint32_t id_or_key)
      : archive_(archive),
        target_(target),
        compressed_size_(compressed_size),
        window_(window),
        id_or_key_(id_or_key) {}

  int32_t Refill(uint8_t* buffer, uint32_t capacity) override {
    if (exhausted_) return 0;
    Pump(window_);
    UpdateProgress();
    if (read_ > uint64_t{compressed_size_} + 2) {
      exhausted_ = true;
      return 0;
    }
    const int32_t n = archive_.Read(buffer, capacity);
    if (n <= 0) {
      exhausted_ = true;
      return 0;
    }
    read_ += static_cast<uint32_t>(n);
    return n;
  }

  // Small blocks (the shrunk decoder's 767 bytes) gather in `staging` when one is given, to
  // be written together; each is still reported, in order, once it has been written.
  void SetStaging(uint8_t* staging) { staging_ = staging; }

  bool Flush(const uint8_t* data, uint32_t count) override {
    if (!staging_ || count > kStagingSize / 2) {
      if (!Drain()) return false;
      if (target_.Write(data, count) != static_cast<int32_t>(count)) return false;
      Written(data, count);
      return true;
    }
    if (staged_bytes_ + count > kStagingSize || staged_blocks_ == kStagedBlocks) {
      if (!Drain()) return false;
    }
    std::memcpy(staging_ + staged_bytes_, data, count);
    staged_bytes_ += count;
    staged_[staged_blocks_++] = count;
    return true;
  }

  // Writes the gathered blocks; on a short write the blocks written whole are still reported.
  bool Drain() {
    if (staged_blocks_ == 0) return true;
    const int32_t n = target_.Write(staging_, staged_bytes_);
    const uint32_t written = n > 0 ? static_cast<uint32_t>(n) : 0;
    uint32_t done = 0;
    for (uint32_t i = 0; i < staged_blocks_ && done + staged_[i] <= written; ++i) {
      Written(staging_ + done, staged_[i]);
      done += staged_[i];
    }
    const bool whole = written == staged_bytes_;
    staged_bytes_ = staged_blocks_ = 0;
    return whole;
  }

  bool Aborted() const override { return aborted_; }

  uint32_t crc() const { return ~crc_; }
  std::string sha256() const { return hashing_ ? os::Sha256Text(sha256_.Final()) : std::string(); }

  static constexpr uint32_t kStagingSize = DecodeStream::kWindowSize;

  void Finish() {
    if (!window_) return;
    uint16_t percent = 100;
    SendProgress(window_, id_or_key_, &percent);
  }

 private:
  static constexpr uint32_t kStagedBlocks = 64;

  void Written(const uint8_t* data, uint32_t count) {
    crc_ = UpdateCrc32(crc_, data, count);
    if (hashing_) sha256_.Update(data, count);
    Engine().record.status = kStatusBlockWritten;
    ReportCurrent(static_cast<int32_t>(count));
  }

  void UpdateProgress() {
    uint64_t percent = 100;
    if (compressed_size_ != 0 && read_ * 100 / compressed_size_ < 100) {
      percent = read_ * 100 / compressed_size_;
    }
    if (percent == last_percent_) return;
    last_percent_ = static_cast<uint32_t>(percent);
    if (window_) {
      uint16_t value = static_cast<uint16_t>(percent);
      SendProgress(window_, id_or_key_, &value);
      if (value == 65535) aborted_ = true;
    } else if (id_or_key_ && KeyDown(static_cast<int32_t>(id_or_key_))) {
      aborted_ = true;
    }
  }

  os::File& archive_;
  os::File& target_;
  uint32_t compressed_size_;
  WindowHandle window_;
  uint32_t id_or_key_;
  uint64_t read_ = 0;
  uint32_t last_percent_ = 0;
  uint32_t crc_ = kCrcInitial;
  // Only a journaled run keeps the hash: tools and dry runs do without its cost.
  bool hashing_ = changes::CurrentMode() == changes::Mode::kApply;
  os::Sha256 sha256_;
  bool exhausted_ = false;
  bool aborted_ = false;
  uint8_t* staging_ = nullptr;
  uint32_t staged_bytes_ = 0;
  uint32_t staged_blocks_ = 0;
  uint32_t staged_[kStagedBlocks] = {};
};

// The target as it stands forbids replacing it: a directory, or a read-only file.
bool TargetLocked(const std::string& target) {
  const auto attributes = os::GetAttributes(target);
  return attributes && (*attributes & (os::kAttrDirectory | os::kAttrReadOnly));
}

struct LocalHeader {
  uint16_t flags;
  uint16_t method;
  uint32_t timestamp;
  uint32_t crc;
  uint32_t compressed_size;
  uint32_t size;
  uint64_t data_offset;
};

// The one place where a decoder's result becomes the component's code.
int32_t ResultCode(DecodeResult result) {
  switch (result) {
    case DecodeResult::kOk:
      return kUnzipOk;
    case DecodeResult::kInputEnded:
      return kUnzipReadError;
    case DecodeResult::kDataError:
      break;
    case DecodeResult::kAborted:
      return kUnzipAborted;
    case DecodeResult::kWriteFailed:
      return kUnzipWriteError;
    case DecodeResult::kOversizedHeader:
      return kUnzipOversizedHeader;
  }
  return kUnzipFormatError;
}

// The CRC stored after the data; the descriptor's optional signature is passed over.
bool ReadTrailingCrc(DecodeStream& stream, uint32_t actual, uint32_t& expected) {
  stream.AlignToByte();
  // Two halves: a 32-bit build's bit buffer holds fewer than 32 bits at a time.
  const auto take32 = [&stream](uint32_t& value) {
    if (!stream.Need(16)) return false;
    value = stream.Take(16);
    if (!stream.Need(16)) return false;
    value |= stream.Take(16) << 16;
    return true;
  };
  if (!take32(expected)) return false;
  if (expected == kDescriptorSignature && actual != kDescriptorSignature) {
    if (!take32(expected)) return false;
  }
  return true;
}

}  // namespace

struct EntryExtractor::Resources {
  std::string archive_path;
  os::File archive;
  std::unique_ptr<uint8_t[]> work{new uint8_t[DecodeStream::kWindowSize]};
  InflateTables inflate;
  std::unique_ptr<UnshrinkArea> unshrink;
  std::unique_ptr<uint8_t[]> staging;

  int32_t Decode(DecodeStream& stream, const LocalHeader& h) {
    switch (h.method) {
      case kMethodStored:
        return ResultCode(CopyStored(stream, h.compressed_size));
      case kMethodShrunk:
        if (h.flags & kFlagDescriptor) return kUnzipUnsupportedMethod;
        if (!unshrink) unshrink = std::make_unique<UnshrinkArea>();
        return ResultCode(Unshrink(stream, *unshrink, h.compressed_size));
      case kMethodImploded:
        return ResultCode(
            Explode(stream, {(h.flags & kFlagLargeDictionary) != 0,
                             (h.flags & kFlagLiteralTree) != 0, h.compressed_size, h.size}));
      case kMethodDeflated:
        return ResultCode(Inflate(stream, inflate));
      default:
        return kUnzipUnsupportedMethod;
    }
  }

  int32_t Extract(const std::string& target, uint32_t offset, WindowHandle window,
                  uint32_t id_or_key);
};

int32_t EntryExtractor::Resources::Extract(const std::string& target, uint32_t offset,
                                           WindowHandle window, uint32_t id_or_key) {
  // Positions before the start of the output read as zeros.
  std::memset(work.get(), 0, DecodeStream::kWindowSize);
  if (!archive) archive = os::File::Open(archive_path, os::OpenMode::kRead);
  if (!archive) return kUnzipReadError;
  uint8_t raw[kLocalHeaderSize];
  if (!archive.Seek(offset) || archive.Read(raw, kLocalHeaderSize) != kLocalHeaderSize) {
    return kUnzipFormatError;
  }
  if (Get32(raw) != 0x04034B50) return kUnzipFormatError;
  LocalHeader h;
  h.flags = Get16(raw + 6);
  h.method = Get16(raw + 8);
  h.timestamp = Get32(raw + 10);
  h.crc = Get32(raw + 14);
  h.compressed_size = Get32(raw + 18);
  h.size = Get32(raw + 22);
  h.data_offset = uint64_t{offset} + kLocalHeaderSize + Get16(raw + 26) + Get16(raw + 28);
  if (h.flags & kFlagDescriptor) h.compressed_size = h.size = kUnboundedSize;
  if (h.method > 31 || !(SupportedMethods() & (1u << h.method))) return kUnzipUnsupportedMethod;
  if (h.flags & kFlagEncrypted) return kUnzipEncrypted;
  if (!archive.Seek(static_cast<int64_t>(h.data_offset))) return kUnzipReadError;

  if (!IsTargetWithinLimit(target)) return kUnzipWriteError;
  if (IsDirectoryTarget(target)) {
    MakeTargetDirectories(target);
    return changes::DirectoryExists(os::WithoutTrailingBackslash(target)) ? kUnzipOk
                                                                          : kUnzipWriteError;
  }
  if (TargetLocked(target)) return kUnzipWriteError;
  std::string scratch = changes::ScratchPathBeside(target);
  os::File out;
  if (!scratch.empty()) out = os::File::Open(scratch, os::OpenMode::kCreate);
  if (!out) {
    MakeTargetDirectories(target);
    scratch = changes::ScratchPathBeside(target);
    if (!scratch.empty()) out = os::File::Open(scratch, os::OpenMode::kCreate);
    if (!out) return kUnzipWriteError;
  }

  EntryPort port(archive, out, h.compressed_size, window, id_or_key);
  if (h.method == kMethodShrunk) {
    if (!staging) staging.reset(new uint8_t[EntryPort::kStagingSize]);
    port.SetStaging(staging.get());
  }
  Pump(window);
  DecodeStream stream(port, work.get());
  int32_t code = Decode(stream, h);
  // Blocks still gathered are written and reported whatever the outcome, as they would have
  // been one by one; one that cannot be written failed before anything the decoder met later.
  if (!port.Drain()) code = kUnzipWriteError;
  uint32_t expected = h.crc;
  if (code == kUnzipOk && (h.flags & kFlagDescriptor) &&
      !ReadTrailingCrc(stream, port.crc(), expected)) {
    code = kUnzipCrcError;
  }
  if (code == kUnzipOk && port.crc() != expected) code = kUnzipCrcError;
  // Stamped while the scratch file is still open, after its last write: the rename keeps the
  // time, and the target need not be opened a second time.
  if (code == kUnzipOk) {
    out.SetDosTime(static_cast<uint16_t>(h.timestamp >> 16),
                   static_cast<uint16_t>(h.timestamp & 0xFFFF));
  }
  const bool closed = out.Close();
  if (code == kUnzipOk && !closed) code = kUnzipWriteError;
  // The journal keeps what the file replaces before it takes its place, and its hash.
  if (code == kUnzipOk && !changes::CommitFile(scratch, target, port.sha256()))
    code = kUnzipWriteError;
  if (code != kUnzipOk) {
    os::RemoveFile(scratch);
    return code;
  }
  port.Finish();
  return kUnzipOk;
}

EntryExtractor::EntryExtractor(const std::string& archive) : r_(std::make_unique<Resources>()) {
  r_->archive_path = archive;
}

EntryExtractor::~EntryExtractor() = default;

int32_t EntryExtractor::Extract(const std::string& target, uint32_t offset, WindowHandle window,
                                uint32_t id_or_key) {
  EngineState& engine = Engine();
  if (engine.busy) {
    const bool stale =
        engine.last_pump_tick != 0 && os::TickCount() - engine.last_pump_tick > kStaleBusyMs;
    if (!stale) return kUnzipBusy;
  }
  BusyScope busy;
  return r_->Extract(target, offset, window, id_or_key);
}

uint32_t SupportedMethods() {
  return 1u << kMethodStored | 1u << kMethodShrunk | 1u << kMethodImploded | 1u << kMethodDeflated;
}

int32_t ExtractEntry(const std::string& archive, const std::string& target, uint32_t offset,
                     WindowHandle window, uint32_t id_or_key) {
  return EntryExtractor(archive).Extract(target, offset, window, id_or_key);
}

}  // namespace unzip
