#include "app/command_line.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

bool LogRequested(const std::vector<std::string>& parameters) {
  return parameters.size() >= 2 && parameters[0] == "-log";
}

std::optional<TInstallType> ParseInstallType(const std::string& text) {
  const std::string upper = Upper(text);
  if (upper == "LOCAL") return itLocal;
  if (upper == "SERVER") return itServer;
  if (upper == "CLIENT") return itClient;
  return std::nullopt;
}

TSetupOptions ParseCommandLine(const std::vector<std::string>& parameters) {
  TSetupOptions options;
  for (const std::string& parameter : parameters) {
    if (parameter.size() < 2 || (parameter[0] != '/' && parameter[0] != '-')) continue;
    const size_t equals = parameter.find('=');
    const std::string name =
        Upper(parameter.substr(1, equals == std::string::npos ? equals : equals - 1));
    if (name == "LOG" && equals == std::string::npos) continue;  // the historic switch
    const bool has_value = equals != std::string::npos;
    const std::string value = has_value ? parameter.substr(equals + 1) : std::string();
    const bool flag = !has_value;
    const bool text = has_value && !value.empty();
    bool known = true;
    if (name == "SILENT" && flag) {
      if (options.mode != TRunMode::kVerySilent) options.mode = TRunMode::kSilent;
    } else if (name == "VERYSILENT" && flag) {
      options.mode = TRunMode::kVerySilent;
    } else if (name == "NORESTART" && flag) {
      options.no_restart = true;
    } else if (name == "TYPE" && text && ParseInstallType(value)) {
      options.answers.type = ParseInstallType(value);
    } else if (name == "DIR" && text) {
      options.answers.program_dir = value;
    } else if (name == "DATADIR" && text) {
      options.answers.data_dir = value;
    } else if (name == "DATABASE" && text) {
      options.answers.database = value;
    } else if (name == "SERVERDATABASE" && (Upper(value) == "YES" || Upper(value) == "NO")) {
      options.answers.server_database = Upper(value) == "YES";
    } else if (name == "PERMISSIONS" && (Upper(value) == "INHERIT" || Upper(value) == "PROTECT")) {
      options.answers.inherit_permissions = Upper(value) == "INHERIT";
    } else if (name == "ALLOWUNSIGNED" && flag) {
      options.answers.allow_unsigned = true;
    } else if (name == "SYSTEMCOMPONENT" && flag) {
      options.system_component = true;
    } else if (name == "ANSWERS" && text) {
      options.answers_file = value;
    } else if (name == "SAVEANSWERS" && text) {
      options.save_answers_file = value;
    } else if (name == "LOG" && text) {
      options.log_file = value;
    } else if (name == "PLAN" && text) {
      options.plan_file = value;
    } else if (name == "UNINSTALL" && flag) {
      options.uninstall = true;
    } else if (name == "RECOVER" && flag) {
      options.recover = true;
    } else if (name == "REPAIR" && flag) {
      options.repair = true;
    } else if (name == "VERIFY" && flag) {
      options.verify = true;
    } else if (name == "MEDIA" && text) {
      options.media_dir = value;
    } else if (name == "REMOVEDATA" && flag) {
      options.remove_data = true;
    } else if (name == "UNINSTALLDIR" && text) {
      options.uninstall_dir = value;
    } else if (name == "LAUNCHER" && text) {
      options.launcher = value;
    } else if (name == "REMOVEAFTER" && text) {
      options.remove_after = value;
    } else {
      known = false;
    }
    (known ? options.switches : options.errors).push_back(parameter);
  }
  // A repair changes the machine at once: a dry run or a removal cannot be one.
  if ((options.repair || options.verify) && (options.plan_file || options.uninstall))
    options.errors.push_back(options.verify ? "/VERIFY" : "/REPAIR");
  // A dry run asks nothing.
  if (options.plan_file && options.mode == TRunMode::kInteractive)
    options.mode = TRunMode::kVerySilent;
  return options;
}

std::string QuoteArgument(const std::string& argument) {
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count double only before a quote.
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}
