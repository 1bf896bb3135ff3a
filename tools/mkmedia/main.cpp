// mkmedia PRODUCT_DIR OUT_DIR --install-exe PATH --upgrade-dll PATH [options]
// Builds installation media from a product tree; see Usage() for the options.
#include <cstdlib>
#include <iostream>
#include <string>

#include "media_builder.h"

namespace {

int Usage() {
  std::cerr << "usage: mkmedia PRODUCT_DIR OUT_DIR --install-exe PATH --upgrade-dll PATH\n"
               "               [--disk-size BYTES] [--first-disk-size BYTES] [--cluster-size BYTES]\n"
               "               [--piece-size BYTES] [--cd] [--upgrade]\n"
               "  --disk-size     space of one disk (default 1457664, a 1.44 MB floppy)\n"
               "  --first-disk-size  space of disk 1, which carries the installer (default as the others)\n"
               "  --cluster-size  allocation unit of a disk (default 512)\n"
               "  --piece-size    largest piece of an archive (default: as much as fits)\n"
               "  --cd            everything in OUT_DIR, one medium, instead of disk1, disk2 ...\n"
               "  --upgrade       upgrade media: the upgrade selection, without BDE32\n";
  return 2;
}

bool ParseSize(const std::string& text, uint64_t* value) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  char* end = nullptr;
  *value = std::strtoull(text.c_str(), &end, 10);
  return *end == '\0';
}

}  // namespace

int main(int argc, char** argv) {
  mkmedia::MediaOptions options;
  int positional = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--cd") {
      options.single_folder = true;
    } else if (arg == "--upgrade") {
      options.upgrade = true;
    } else if (arg == "--install-exe" && has_value) {
      options.install_exe = argv[++i];
    } else if (arg == "--upgrade-dll" && has_value) {
      options.upgrade_dll = argv[++i];
    } else if (arg == "--disk-size" && has_value) {
      if (!ParseSize(argv[++i], &options.disk_size)) return Usage();
    } else if (arg == "--first-disk-size" && has_value) {
      if (!ParseSize(argv[++i], &options.first_disk_size)) return Usage();
    } else if (arg == "--cluster-size" && has_value) {
      if (!ParseSize(argv[++i], &options.cluster_size)) return Usage();
    } else if (arg == "--piece-size" && has_value) {
      if (!ParseSize(argv[++i], &options.piece_limit)) return Usage();
    } else if (!arg.starts_with("--") && positional == 0) {
      options.product_dir = arg;
      ++positional;
    } else if (!arg.starts_with("--") && positional == 1) {
      options.out_dir = arg;
      ++positional;
    } else {
      return Usage();
    }
  }
  if (positional != 2 || options.install_exe.empty() || options.upgrade_dll.empty()) return Usage();
  const std::string error = mkmedia::BuildMedia(options, std::cout);
  if (!error.empty()) {
    std::cerr << "mkmedia: " << error << "\n";
    return 1;
  }
  return 0;
}
