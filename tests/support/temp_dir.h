// A scratch directory for one test, removed with everything in it afterwards.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testing_support {

class TempDir {
 public:
  TempDir() {
    static std::atomic<int> counter{0};
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0;; ++attempt) {
      path_ = base / ("vorttest-" + std::to_string(Pid()) + "-" + std::to_string(counter++));
      if (std::filesystem::create_directory(path_)) break;
    }
  }
  ~TempDir() {
    std::error_code ignored;
    // Read-only files would stop the removal on Windows.
    for (auto& e : std::filesystem::recursive_directory_iterator(path_, ignored)) {
      std::filesystem::permissions(e.path(), std::filesystem::perms::owner_write,
                                   std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The directory as the product spells paths, with a trailing separator.
  std::string str() const { return path_.string() + Separator(); }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

  void Write(const std::string& name, const std::string& content) const {
    std::filesystem::create_directories((path_ / name).parent_path());
    std::ofstream(path_ / name, std::ios::binary) << content;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

 private:
  static std::string Separator() {
    return std::string(1, static_cast<char>(std::filesystem::path::preferred_separator));
  }
  static long Pid();
  std::filesystem::path path_;
};

}  // namespace testing_support

#ifdef _WIN32
#include <windows.h>
inline long testing_support::TempDir::Pid() {
  return static_cast<long>(GetCurrentProcessId());
}
#else
#include <unistd.h>
inline long testing_support::TempDir::Pid() {
  return static_cast<long>(getpid());
}
#endif
