// Archives from the fuzzer: listed, measured and extracted into a scratch directory. Any
// file that appears beside the destination is a way out of it and stops the run.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "unzip/zip_archive.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Scratch() {
  static const fs::path dir = [] {
    fs::path p = fs::temp_directory_path() / ("vortfuzz-" + std::to_string(getpid()));
    fs::create_directories(p / "box");
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(fs::temp_directory_path() / ("vortfuzz-" + std::to_string(getpid())), ignored);
    });
    return p;
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path box = Scratch() / "box";
  const fs::path archive = box / "in.zip";
  const fs::path out = box / "out";
  {
    std::ofstream f(archive, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  fs::create_directories(out);
  unzip::ListArchive(archive.string(), "*.*", [](int32_t, unzip::TUnzipReport*) {});
  int32_t compressed = 0;
  unzip::MeasureArchive(archive.string(), compressed);
  unzip::ExtractArchive(
      archive.string(), out.string(), "*.*", [](int32_t, unzip::TUnzipReport*) {}, nullptr);
  for (const auto& e : fs::directory_iterator(box)) {
    if (e.path() != archive && e.path() != out) std::abort();
  }
  for (const auto& e : fs::directory_iterator(Scratch())) {
    if (e.path() != box) std::abort();
  }
  fs::remove_all(out);
  return 0;
}
