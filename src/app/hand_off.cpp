#include "app/hand_off.h"

#include "os/os.h"

namespace {

bool IsAbsolute(const std::string& dir) {
  return (dir.size() >= 3 && dir[1] == ':' && (dir[2] == '\\' || dir[2] == '/')) ||
         dir.rfind("\\\\", 0) == 0 || (!dir.empty() && dir[0] == '/');
}

bool WriteAll(os::File& file, const std::string& text) {
  return file.Write(text.data(), static_cast<uint32_t>(text.size())) ==
         static_cast<int32_t>(text.size());
}

}  // namespace

std::string MediaDirFrom(const std::string& argument0, const std::string& program_path) {
  const std::string dir = os::DirectoryOf(argument0);
  return os::WithTrailingBackslash(IsAbsolute(dir) ? dir : os::DirectoryOf(program_path));
}

std::string HandOffPath(const std::string& program_dir) {
  return os::WithoutTrailingBackslash(program_dir) + "\\" + kHandOffFileName;
}

std::optional<std::string> ReadHandOffFile(const std::string& path) {
  os::File file = os::File::Open(path, os::OpenMode::kRead);
  if (!file) return std::nullopt;
  std::string line;
  char buffer[256];
  for (;;) {
    const int32_t n = file.Read(buffer, sizeof buffer);
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    line.append(buffer, static_cast<size_t>(n));
    const auto end = line.find_first_of("\r\n");
    if (end != std::string::npos) {
      line.resize(end);
      break;
    }
  }
  return line;
}

std::string RelaunchCommandLine(const std::string& work_dir, bool log_on) {
  return "\"" + work_dir + "\\INSTVORT.EXE\"" + (log_on ? " -log -log -log -log" : "");
}

bool CopyToNewFile(const std::string& from_dir, const std::string& to_dir,
                   const std::string& source, const std::string& target, std::string* failed_path) {
  const std::string from = from_dir + source, to = to_dir + target;
  std::string failed;
  {
    os::File in = os::File::Open(from, os::OpenMode::kRead);
    if (!in) {
      failed = from;
    } else if (os::File out = os::File::Open(to, os::OpenMode::kCreateNew); !out) {
      failed = to;
    } else {
      char buffer[2048];
      for (;;) {
        const int32_t n = in.Read(buffer, sizeof buffer);
        if (n < 0) {
          failed = from;
          break;
        }
        if (n == 0) break;
        if (out.Write(buffer, static_cast<uint32_t>(n)) != n) {
          failed = to;
          break;
        }
      }
      if (!out.Close() && failed.empty()) failed = to;
      // A half-written copy must not stay where it could be started.
      if (!failed.empty()) os::RemoveFile(to);
    }
  }
  if (failed_path) *failed_path = failed;
  return failed.empty();
}

HandOffOutcome PrepareWorkingCopy(const std::string& media_dir, const std::string& work_dir) {
  static const char* const kCopies[][2] = {
      {"INSTALL.EXE", "INSTVORT.EXE"},
      {"UPGRADE.1", "UPGRADE.ZIP"},
      {"INSTALL.CFG", "INSTVORT.CFG"},
  };
  HandOffOutcome outcome;
  for (const auto& copy : kCopies) {
    if (!CopyToNewFile(media_dir, work_dir, copy[0], copy[1], &outcome.failed_file)) {
      outcome.ok = false;
      return outcome;
    }
  }
  const std::string hand_off = work_dir + "\\" + kHandOffFileName;
  os::File file = os::File::Open(hand_off, os::OpenMode::kCreateNew);
  if (!file || !WriteAll(file, media_dir + "\r\n") || !file.Close()) return {false, hand_off};
  return {};
}
