#include "changes/journal_file.h"

#include <cctype>
#include <utility>

namespace changes {

namespace {

FlushObserver& Observer() {
  static FlushObserver observer;
  return observer;
}

// Things made that leave nothing behind but themselves.
bool MakesSomething(const Change& change) {
  switch (change.kind) {
    case Kind::kDirectory:
    case Kind::kTemporaryFile:
      return true;
    case Kind::kFile:
      return !change.previous && change.backup.empty();
    default:
      return false;
  }
}

// The key of the directory that holds `path`.
std::string ParentKey(const std::string& path) {
  std::string parent = os::DirectoryOf(PathKey(path));
  if (!parent.empty()) parent.pop_back();
  return parent;
}

}  // namespace

std::string PathKey(const std::string& path) {
  std::string key = os::WithoutTrailingBackslash(path);
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}

JournalFile::JournalFile(os::File file, std::string path, bool durable)
    : file_(std::move(file)), path_(std::move(path)), durable_(durable) {}

bool JournalFile::MustReachDiskFirst(const Change& change) const {
  // A note is no change; it reaches the disk with the records that follow it.
  if (change.kind == Kind::kNote) return false;
  // A change that destroys something cannot be undone without its record, nor can one made
  // outside the run's own directories be found without it.
  if (!MakesSomething(change)) return true;
  const auto parent = made_.find(ParentKey(change.target));
  if (parent == made_.end()) return true;
  // Inside a directory this run made, a lost record leaves something found by the directory's
  // own record, which must be on the disk before anything is put in the directory.
  return parent->second > flushed_;
}

bool JournalFile::Append(const Change& change, const std::string& line) {
  if (!file_) return false;
  const std::string text = line + "\r\n";
  const auto size = static_cast<uint32_t>(text.size());
  if (file_.Write(text.data(), size) != static_cast<int32_t>(size)) return false;
  ++written_;
  const bool flush = durable_ && MustReachDiskFirst(change);
  if (change.kind == Kind::kDirectory) made_[PathKey(change.target)] = written_;
  return !flush || FlushAll();
}

bool JournalFile::FlushAll() {
  if (!FlushToDisk(file_, path_)) return false;
  flushed_ = written_;
  return true;
}

bool JournalFile::Close() {
  if (!file_) return true;
  const bool flushed = !durable_ || flushed_ == written_ || FlushAll();
  return file_.Close() && flushed;
}

bool FlushToDisk(os::File& file, const std::string& path) {
  if (Observer()) Observer()(path);
  return file.Flush();
}

FlushObserver SetFlushObserver(FlushObserver observer) {
  std::swap(Observer(), observer);
  return observer;
}

}  // namespace changes
