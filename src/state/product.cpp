#include "state/product.h"

#include <cstdio>

std::string FormatVersion(double version) {
  // std::to_chars for doubles would add 180 KB to a program that must fit a floppy. The C
  // library rounds the exact binary value too; only its separator follows the locale.
  char buffer[352];
  const int length = std::snprintf(buffer, sizeof buffer, "%.2f", version);
  std::string text(buffer, length > 0 ? static_cast<size_t>(length) : 0);
  for (char& c : text) {
    if ((c < '0' || c > '9') && c != '-') c = '.';
  }
  return text;
}
