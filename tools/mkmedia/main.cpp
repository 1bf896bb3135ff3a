// mkmedia PRODUCT_DIR OUT_DIR --install-exe PATH --upgrade-dll PATH [options]
// Builds installation media from a product tree; see Usage() for the options.
#include <cstdlib>
#include <iostream>
#include <string>

#include "media_builder.h"

namespace {

int Usage() {
  std::cerr
      << "usage: mkmedia PRODUCT_DIR OUT_DIR --install-exe PATH --upgrade-dll PATH\n"
         "               [--disk-size BYTES] [--first-disk-size BYTES] [--cluster-size BYTES]\n"
         "               [--piece-size BYTES] [--cd] [--upgrade]\n"
         "               [--msi --version MAJOR.MINOR.BUILD [--setup-action PATH]]\n"
         "               [--sign-cert PEM --sign-key PEM | --sign-pkcs12 FILE]\n"
         "               [--sign-pass-file FILE] [--timestamp URL]\n"
         "  --disk-size     space of one disk (default 1457664, a 1.44 MB floppy)\n"
         "  --first-disk-size  space of disk 1, which carries the installer (default as the "
         "others)\n"
         "  --cluster-size  allocation unit of a disk (default 512)\n"
         "  --piece-size    largest piece of an archive (default: as much as fits)\n"
         "  --cd            everything in OUT_DIR, one medium, instead of disk1, disk2 ...\n"
         "  --upgrade       upgrade media: the upgrade selection, without BDE32\n"
         "  --msi           one folder of media and RidOZIZUZ.msi in it, a Windows Installer\n"
         "                  package of that version which installs them (needs wixl)\n"
         "  --setup-action  the package's custom actions (default: SETUPACT.DLL beside\n"
         "                  --install-exe)\n"
         "  --sign-cert, --sign-key  the publisher's certificate and RSA key (PEM): INSTALL.EXE,\n"
         "                  UPGRADE.DLL, SETUPACT.DLL and the package get an Authenticode\n"
         "                  signature (SHA-256, by osslsigncode), the manifest INSTALL.SIG\n"
         "  --sign-pkcs12   the certificate and key in one PKCS #12 file instead\n"
         "  --sign-pass-file  the key's password, on the file's first line\n"
         "  --timestamp     an RFC 3161 time-stamp server for the Authenticode signatures, so\n"
         "                  that they outlive the certificate (a release should use one)\n"
         "       mkmedia --msi-of MEDIA_DIR --version MAJOR.MINOR.BUILD --setup-action PATH\n"
         "               [signing options]\n"
         "  the package of one folder of media built before, written into it\n";
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
  bool package = false;
  std::string version;
  std::filesystem::path packaged_media;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--cd") {
      options.single_folder = true;
    } else if (arg == "--upgrade") {
      options.upgrade = true;
    } else if (arg == "--msi") {
      package = true;
      options.single_folder = true;
    } else if (arg == "--version" && has_value) {
      version = argv[++i];
    } else if (arg == "--msi-of" && has_value) {
      packaged_media = argv[++i];
    } else if (arg == "--setup-action" && has_value) {
      options.setup_action = argv[++i];
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
    } else if (arg == "--sign-cert" && has_value) {
      options.signing.cert = argv[++i];
    } else if (arg == "--sign-key" && has_value) {
      options.signing.key = argv[++i];
    } else if (arg == "--sign-pkcs12" && has_value) {
      options.signing.pkcs12 = argv[++i];
    } else if (arg == "--sign-pass-file" && has_value) {
      options.signing.pass_file = argv[++i];
    } else if (arg == "--timestamp" && has_value) {
      options.signing.timestamp = argv[++i];
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
  if (!packaged_media.empty()) {
    if (positional != 0 || package || version.empty() || options.setup_action.empty())
      return Usage();
  } else if (positional != 2 || options.install_exe.empty() || options.upgrade_dll.empty() ||
             package == version.empty()) {
    return Usage();
  }
  if (!version.empty()) {
    options.package_version = mkmedia::ParsePackageVersion(version);
    if (!options.package_version) {
      std::cerr << "mkmedia: " << version << " is no package version (0-255.0-255.0-65535)\n";
      return 2;
    }
    if (options.setup_action.empty())
      options.setup_action = options.install_exe.parent_path() / "SETUPACT.DLL";
  }
  const bool signing = options.signing.Enabled();
  std::string error;
  if (!packaged_media.empty() && signing) error = mkmedia::CheckSigning(options.signing);
  if (error.empty()) {
    error =
        packaged_media.empty()
            ? mkmedia::BuildMedia(options, std::cout)
            : mkmedia::BuildPackage({*options.package_version, packaged_media, options.setup_action,
                                     signing ? &options.signing : nullptr});
  }
  if (!error.empty()) {
    std::cerr << "mkmedia: " << error << "\n";
    return 1;
  }
  return 0;
}
