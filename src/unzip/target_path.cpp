#include "unzip/target_path.h"

#include "changes/files.h"
#include "os/os.h"
#include "os/text_encoding.h"

namespace unzip {

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// A part the file system may read as "..": two or more dots, whatever trailing dots and
// blanks Windows drops.
bool Climbs(const std::string& part) {
  size_t dots = 0;
  for (char c : part) {
    if (c == '.') {
      ++dots;
    } else if (c != ' ') {
      return false;
    }
  }
  return dots >= 2;
}

}  // namespace

bool IsContainedEntryName(const std::string& name) {
  if (!name.empty() && IsSeparator(name[0])) return false;
  if (name.find(':') != std::string::npos) return false;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = start;
    while (end < name.size() && !IsSeparator(name[end])) ++end;
    if (Climbs(name.substr(start, end - start))) return false;
    start = end + 1;
  }
  return true;
}

bool IsDirectoryTarget(const std::string& target) {
  return !target.empty() && IsSeparator(target.back());
}

bool IsTargetWithinLimit(const std::string& target) {
  const std::optional<size_t> length = os::Utf16Length(target);
  return length && *length <= kTargetPathLimit;
}

bool MakeTargetDirectories(const std::string& target) {
  size_t last = target.size();
  while (last > 0 && !IsSeparator(target[last - 1])) --last;
  if (last == 0) return false;
  const size_t directory_length = last - 1;
  for (size_t i = 1; i <= directory_length; ++i) {
    if (i < directory_length && !IsSeparator(target[i])) continue;
    const std::string part = target.substr(0, i);
    // The root and a bare drive exist already.
    if (part.empty() || IsSeparator(part.back()) || (part.size() == 2 && part[1] == ':')) continue;
    if (changes::DirectoryExists(part)) continue;
    if (!changes::MakeDirectory(part)) return false;
  }
  return true;
}

}  // namespace unzip
