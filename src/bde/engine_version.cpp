#include "bde/engine_version.h"

namespace bde {

int32_t ParseEngineVersion(const std::string& text) {
  auto end = text.find('.');
  if (end == std::string::npos) end = text.find(',');
  if (end == std::string::npos) end = text.size();
  size_t i = 0;
  while (i < end && text[i] == ' ') ++i;
  int32_t number = 0;
  for (; i < end && text[i] >= '0' && text[i] <= '9'; ++i) {
    // Any engine this large is new enough; stop before the number overflows.
    if (number >= 100000) break;
    number = number * 10 + (text[i] - '0');
  }
  return number;
}

bool IsOldEngineVersion(const std::string& text) {
  return text != "4.0" && ParseEngineVersion(text) < 4;
}

}  // namespace bde
