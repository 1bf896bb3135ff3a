#include "os/file_replace.h"

#include "os/os.h"

namespace os {

std::optional<std::string> ReadWholeFile(const std::string& path) {
  os::File file = os::File::Open(path, os::OpenMode::kRead);
  if (!file) return std::nullopt;
  const int64_t size = file.Size();
  if (size < 0 || size > 64 * 1024 * 1024) return std::nullopt;
  std::string content;
  char buffer[8192];
  for (;;) {
    const int32_t n = file.Read(buffer, sizeof buffer);
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    content.append(buffer, static_cast<size_t>(n));
  }
  // A short read that looks like an end must not pass for the whole file.
  if (static_cast<int64_t>(content.size()) < size) return std::nullopt;
  return content;
}

namespace {

// A name beside `path` that no file has yet.
std::optional<std::string> ScratchNameBeside(const std::string& path) {
  for (int n = 0; n < 100; ++n) {
    std::string candidate = path + ".$" + std::to_string(n);
    if (!os::GetAttributes(candidate)) return candidate;
  }
  return std::nullopt;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, const std::string& content) {
  const std::optional<std::string> name = ScratchNameBeside(path);
  if (!name) return false;
  const std::string& scratch = *name;
  os::File file = os::File::Open(scratch, os::OpenMode::kCreate);
  if (!file) return false;
  const auto size = static_cast<uint32_t>(content.size());
  const bool written = file.Write(content.data(), size) == static_cast<int32_t>(size);
  if (!file.Close() || !written || !os::MoveReplace(scratch, path)) {
    os::RemoveFile(scratch);
    return false;
  }
  return true;
}

}  // namespace os
