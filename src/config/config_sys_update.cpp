#include "config/config_sys_update.h"

#include <optional>

#include "changes/files.h"
#include "config/config_sys_rewrite.h"
#include "os/file_replace.h"
#include "os/os.h"
#include "os/text_lines.h"

namespace config {

ConfigSysOutcome UpdateConfigSys(const std::string& path) {
  const std::optional<uint32_t> attributes = os::GetAttributes(path);
  std::vector<std::string> lines;
  std::optional<std::string> text;
  if (attributes) {
    text = os::ReadWholeFile(path);
    if (!text) return ConfigSysOutcome::kUnreadable;
    lines = os::SplitLines(*text);
  }
  const std::string content = os::JoinLines(RewriteConfigSys(lines));
  if (text == content) return ConfigSysOutcome::kUnchanged;

  const bool replaced =
      changes::ReplaceTextFile(path, content, DescribeConfigSysRewrite(lines, text.has_value()));
  return replaced ? ConfigSysOutcome::kUpdated : ConfigSysOutcome::kUnwritable;
}

}  // namespace config
