#include "log/debug_line.h"

#include <cstdio>

std::string DebugTimeTag(uint32_t t) {
  char tag[40];
  std::snprintf(tag, sizeof tag, " <TIMP %02u:%02u:%02u.%03u > ", t / 3600000u,
                (t % 3600000u) / 60000u, (t % 60000u) / 1000u, t % 1000u);
  return tag;
}

std::string DebugBars(int32_t depth) {
  std::string bars;
  if (depth > 0) {
    for (int32_t i = 0; i <= depth; ++i) bars += " |";
  }
  return bars;
}

std::string DebugBeginContent(int32_t depth, const std::string& name) {
  return DebugBars(depth) + "BEGIN => " + name;
}

std::string DebugEndContent(int32_t depth, const std::string& name) {
  return DebugBars(depth) + "END <- " + name;
}

std::string DebugNoteContent(int32_t depth, const std::string& text) {
  std::string indent;
  for (int32_t i = 0; i <= depth; ++i) indent += "  ";
  return indent + "*       " + text;
}

std::string DebugErrorText(const std::string& message, int32_t code) {
  return message + " / " + std::to_string(code);
}
