#include "changes/change_text.h"

#include <vector>

namespace changes {

namespace {

constexpr char kMark[] = "CHG1";

// Tabs, line ends and backslashes inside a field would break the line apart.
std::string Escape(const std::string& field) {
  std::string out;
  for (const char c : field) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Unescape(const std::string& field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      out += field[i];
      continue;
    }
    const char c = field[++i];
    out += c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c;
  }
  return out;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (const char c : line) {
    if (c == '\t') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

bool ParseNumber(const std::string& text, uint64_t& value) {
  if (text.empty() || text.size() > 20) return false;
  value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<uint64_t>(c - '0');
  }
  return true;
}

}  // namespace

std::string EncodeChange(const Change& c) {
  const std::string fields[] = {
      kMark,
      std::to_string(static_cast<int>(c.kind)),
      Escape(c.description),
      Escape(c.target),
      Escape(c.value),
      c.previous ? "1" : "0",
      Escape(c.previous.value_or(std::string())),
      Escape(c.backup),
      std::to_string(c.size < 0 ? 0 : c.size),
      c.size < 0 ? "0" : "1",
      std::to_string(c.time),
      Escape(c.handler),
      Escape(c.scope),
      Escape(c.sha256),
  };
  std::string line;
  for (const std::string& f : fields) line += (line.empty() ? "" : "\t") + f;
  return line;
}

std::optional<Change> DecodeChange(const std::string& line) {
  const std::vector<std::string> f = Fields(line);
  uint64_t kind = 0, size = 0, time = 0;
  // A line may gain fields at its end: a journal written before one was added still loads, and
  // one written after loads without it.
  if (f.size() < 13 || f[0] != kMark || !ParseNumber(f[1], kind) ||
      kind > static_cast<uint64_t>(Kind::kDataCopy) || !ParseNumber(f[8], size) ||
      !ParseNumber(f[10], time)) {
    return std::nullopt;
  }
  Change c;
  c.kind = static_cast<Kind>(kind);
  c.description = Unescape(f[2]);
  c.target = Unescape(f[3]);
  c.value = Unescape(f[4]);
  if (f[5] == "1") c.previous = Unescape(f[6]);
  c.backup = Unescape(f[7]);
  c.size = f[9] == "1" ? static_cast<int64_t>(size) : -1;
  c.time = time;
  c.handler = Unescape(f[11]);
  c.scope = Unescape(f[12]);
  if (f.size() > 13) c.sha256 = Unescape(f[13]);
  return c;
}

std::string GroupedNumber(int64_t n) {
  std::string digits = std::to_string(n < 0 ? -n : n);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, ",");
  return (n < 0 ? "-" : "") + digits;
}

}  // namespace changes
