#include "config/registration_commands.h"

namespace config {

namespace {

std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

}  // namespace

std::string HhupdCommandLine(const std::string& program_dir) {
  return Quoted(program_dir + "\\HHUPD.EXE") + " /Q";
}

std::string TregsvrCommandLine(const std::string& program_dir) {
  return Quoted(program_dir + "\\TREGSVR.EXE") + " -Q " + Quoted(program_dir + "\\CFX32.OCX");
}

std::string UnregisterCommandLine(const std::string& dir) {
  return Quoted(dir + "\\TREGSVR.EXE") + " -U -Q " + Quoted(dir + "\\CFX32.OCX");
}

}  // namespace config
