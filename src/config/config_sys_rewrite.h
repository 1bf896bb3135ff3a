// The rewrite of CONFIG.SYS that raises the number of open files.
#pragma once

#include <string>
#include <vector>

namespace config {

// True when the line sets `keyword`: the keyword at the start (after blanks), in any case,
// then "=" (blanks allowed around it). "REM FILES=20" and "DEVICE=C:\FILES\X.SYS" are not.
bool IsSettingLine(const std::string& line, const std::string& keyword);

// Sets every FILESHIGH and FILES setting to 255 and keeps every other line as it is; adds
// "FILES=255" at the end when the file has neither.
std::vector<std::string> RewriteConfigSys(const std::vector<std::string>& lines);

// The line a person reads of that rewrite: "set CONFIG.SYS FILES=255 (was 30)", or "create
// CONFIG.SYS FILES=255" when there was no file.
std::string DescribeConfigSysRewrite(const std::vector<std::string>& lines, bool existed);

}  // namespace config
