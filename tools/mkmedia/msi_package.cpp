#include "msi_package.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "archive_writer.h"
#include "state/product.h"
#include "tool_run.h"

namespace mkmedia {

namespace fs = std::filesystem;

namespace {

// Fixed for the product's lifetime: every version's package upgrades the ones before it.
constexpr char kUpgradeCode[] = "{6E1D3F52-8C47-4B0A-9E35-2F7A1C904B18}";
// The version fills the last group of these.
constexpr char kProductCodeStem[] = "{3B9F0C6A-2D14-4E87-A1C5-";
constexpr char kComponentStem[] = "{8A41E2D7-5F3B-4C96-B0D8-";

// The installer's switches the package offers as public properties, and the property that
// carries the log file.
constexpr struct {
  const char* property;
  const char* setup_switch;
} kSwitchProperties[] = {
    {"TYPE", "TYPE"},
    {"INSTALLDIR", "DIR"},
    {"DATADIR", "DATADIR"},
    // DATABASE is Windows Installer's own: the path of the package.
    {"DATABASEDIR", "DATABASE"},
    {"ANSWERS", "ANSWERS"},
    {"SERVERDATABASE", "SERVERDATABASE"},
    {"SETUPLOG", "LOG"},
};

std::string VersionDigits(const PackageVersion& v) {
  char text[16];
  std::snprintf(text, sizeof text, "%02X%02X%04X", v.major, v.minor, v.build);
  return text;
}

std::string Xml(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string RunWixl(const fs::path& source, const fs::path& msi) {
  if (!OnPath("wixl"))
    return "wixl, which builds the package, is not on PATH (Debian package wixl; scripts/bootstrap "
           "installs it)";
  if (!RunTool({"wixl", "-o", msi.string(), source.string()}))
    return "wixl could not build " + msi.string() + " from " + source.string();
  return std::string();
}

}  // namespace

std::string PackageVersion::Text() const {
  return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(build);
}

std::optional<PackageVersion> ParsePackageVersion(const std::string& text) {
  int parts[3];
  int count = 0;
  size_t start = 0;
  while (count < 3) {
    const size_t end = std::min(text.find('.', start), text.size());
    const std::string part = text.substr(start, end - start);
    if (part.empty() || part.size() > 5 ||
        part.find_first_not_of("0123456789") != std::string::npos)
      return std::nullopt;
    parts[count++] = std::stoi(part);
    if (end == text.size()) break;
    start = end + 1;
  }
  if (count != 3 || start > text.size() || text.find('.', start) != std::string::npos)
    return std::nullopt;
  if (parts[0] > 255 || parts[1] > 255 || parts[2] > 65535) return std::nullopt;
  return PackageVersion{parts[0], parts[1], parts[2]};
}

std::string ProductCode(const PackageVersion& version) {
  return std::string(kProductCodeStem) + VersionDigits(version) + "0000}";
}

std::string WixSource(const PackageInput& input, const std::vector<std::string>& files) {
  const std::string version = input.version.Text();
  std::string run_data = "MEDIA=[MEDIADIR]";
  for (const auto& p : kSwitchProperties) {
    run_data += std::string("|") + p.setup_switch + "=[" + p.property + "]";
  }
  const std::string repair_data = "MEDIA=[MEDIADIR]|LOG=[SETUPLOG]";
  const std::string remove_data = std::string("UPGRADECODE=") + kUpgradeCode +
                                  "|PRODUCTCODE=[ProductCode]|REMOVEDATA=[REMOVEDATA]";
  std::ostringstream s;
  s << R"(<?xml version="1.0" encoding="utf-8"?>
<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">
  <Product Id=")"
    << ProductCode(input.version) << R"(" Name=")" << kProductName
    << R"(" Language="1033" Version=")" << version << R"(" Manufacturer=")" << kPublisher
    << R"(" UpgradeCode=")" << kUpgradeCode << R"(">
    <Package InstallerVersion="200" Compressed="yes" InstallScope="perMachine"
             Description=")"
    << kProductName << " " << version << R"("/>
    <Media Id="1" Cabinet="media.cab" EmbedCab="yes"/>
    <Upgrade Id=")"
    << kUpgradeCode << R"(">
      <UpgradeVersion Minimum="0.0.0" Maximum=")"
    << version << R"(" IncludeMinimum="yes" IncludeMaximum="no" Property="OLDERFOUND"/>
      <UpgradeVersion Minimum=")"
    << version << R"(" IncludeMinimum="no" OnlyDetect="yes" Property="NEWERFOUND"/>
    </Upgrade>
    <Condition Message="A newer version of )"
    << kProductName << R"( is installed.">NOT NEWERFOUND</Condition>
    <Property Id="ARPNOMODIFY" Value="1"/>
    <Property Id="ARPURLINFOABOUT" Value="http://)"
    << kWebAddress << R"("/>
    <Property Id="REBOOT" Value="ReallySuppress"/>
    <Binary Id="SetupAction" SourceFile="SETUPACT.DLL"/>
    <Directory Id="TARGETDIR" Name="SourceDir">
      <Directory Id="ProgramFilesFolder">
        <Directory Id="MEDIADIR" Name=")"
    << kProductName << " Setup " << version << R"(">
            <Component Id="Media" Guid=")"
    << kComponentStem << VersionDigits(input.version) << R"(0000}">
)";
  for (size_t i = 0; i < files.size(); ++i) {
    s << "              <File Id=\"media" << i << "\" Name=\"" << Xml(files[i]) << "\" Source=\""
      << "../" << Xml(files[i]) << "\"" << (files[i] == "INSTALL.EXE" ? " KeyPath=\"yes\"" : "")
      << "/>\n";
  }
  s << R"(            </Component>
        </Directory>
      </Directory>
    </Directory>
    <Feature Id="Product" Level="1">
      <ComponentRef Id="Media"/>
    </Feature>
    <CustomAction Id="SetRunSetup" Property="RunSetup" Value=")"
    << Xml(run_data) << R"("/>
    <CustomAction Id="RunSetup" BinaryKey="SetupAction" DllEntry="RunSetup" Execute="deferred"
                  Impersonate="no" Return="check"/>
    <CustomAction Id="SetRepairSetup" Property="RepairSetup" Value=")"
    << Xml(repair_data) << R"("/>
    <CustomAction Id="RepairSetup" BinaryKey="SetupAction" DllEntry="RepairSetup"
                  Execute="deferred" Impersonate="no" Return="check"/>
    <CustomAction Id="SetRemoveSetup" Property="RemoveSetup" Value=")"
    << Xml(remove_data) << R"("/>
    <CustomAction Id="RemoveSetup" BinaryKey="SetupAction" DllEntry="RemoveSetup"
                  Execute="deferred" Impersonate="no" Return="check"/>
    <InstallExecuteSequence>
      <RemoveExistingProducts After="InstallFinalize"/>
      <Custom Action="SetRemoveSetup" Sequence="3390">REMOVE="ALL" AND NOT UPGRADINGPRODUCTCODE</Custom>
      <Custom Action="RemoveSetup" Sequence="3400">REMOVE="ALL" AND NOT UPGRADINGPRODUCTCODE</Custom>
      <Custom Action="SetRunSetup" Sequence="6580">NOT Installed</Custom>
      <Custom Action="RunSetup" Sequence="6590">NOT Installed</Custom>
      <Custom Action="SetRepairSetup" Sequence="6585">Installed AND REINSTALL AND NOT REMOVE</Custom>
      <Custom Action="RepairSetup" Sequence="6595">Installed AND REINSTALL AND NOT REMOVE</Custom>
    </InstallExecuteSequence>
  </Product>
</Wix>
)";
  return s.str();
}

std::string BuildPackage(const PackageInput& input) {
  if (!fs::is_regular_file(input.media_dir / "INSTALL.EXE"))
    return "no one-folder media in " + input.media_dir.string();
  if (!fs::is_regular_file(input.setup_action))
    return "no SETUPACT.DLL at " + input.setup_action.string();
  std::vector<std::string> files;
  for (const auto& entry : FolderEntries(input.media_dir)) {
    // A package built before is no part of the media.
    if (entry.first.find('/') == std::string::npos && entry.first != kPackageName)
      files.push_back(entry.first);
  }
  // wixl finds the files named relative to the source, which it needs beside the media.
  const fs::path scratch = input.media_dir / ".mkmedia-package";
  std::error_code ec;
  fs::remove_all(scratch, ec);
  fs::create_directories(scratch, ec);
  if (ec) return "cannot create " + scratch.string() + ": " + ec.message();
  std::string error;
  if (input.signing) {
    error = SignFile(*input.signing, input.setup_action, scratch / "SETUPACT.DLL");
  } else {
    fs::copy_file(input.setup_action, scratch / "SETUPACT.DLL", ec);
    if (ec) error = "cannot copy " + input.setup_action.string() + ": " + ec.message();
  }
  const fs::path source = scratch / "package.wxs";
  const fs::path built = scratch / kPackageName;
  if (error.empty()) {
    std::ofstream out(source, std::ios::binary | std::ios::trunc);
    const std::string text = WixSource(input, files);
    if (!out.write(text.data(), static_cast<std::streamsize>(text.size())) || !out.flush())
      error = "cannot write " + source.string();
  }
  if (error.empty()) error = RunWixl(source, built);
  const fs::path signed_package = scratch / "signed.msi";
  if (error.empty() && input.signing) error = SignFile(*input.signing, built, signed_package);
  if (error.empty()) {
    fs::rename(input.signing ? signed_package : built, input.media_dir / kPackageName, ec);
    if (ec)
      error = "cannot write " + (input.media_dir / kPackageName).string() + ": " + ec.message();
  }
  fs::remove_all(scratch, ec);
  return error;
}

}  // namespace mkmedia
