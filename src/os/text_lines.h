// Text files as lists of lines, the way the setup reads and writes them.
#pragma once

#include <string>
#include <vector>

namespace os {

// Splits at CR LF or LF. A last line without an end still counts; a Ctrl+Z that ends the
// text is the old end-of-file mark and is dropped.
std::vector<std::string> SplitLines(const std::string& text);
// Every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);
// A message's lines as one line (of the log): each line break a blank.
std::string OneLine(std::string text);

}  // namespace os
