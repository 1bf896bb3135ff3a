#include "script.h"

#include <cctype>
#include <cstdlib>

namespace wizdrive {

namespace {

struct Token {
  std::string text;
  bool quoted = false;
};

// Splits a line into words; a quoted word keeps its blanks and backslashes, "" inside it is
// one quote. Returns false with `error` set for an unclosed quote.
bool Tokenize(std::string_view line, std::vector<Token>* tokens, std::string* error) {
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      Token t{"", true};
      for (++i;; ++i) {
        if (i >= line.size()) {
          *error = "unclosed quote";
          return false;
        }
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            t.text += '"';
            ++i;
            continue;
          }
          ++i;
          break;
        }
        t.text += line[i];
      }
      tokens->push_back(t);
    } else {
      Token t;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
        t.text += line[i++];
      }
      tokens->push_back(t);
    }
  }
  return true;
}

struct VerbInfo {
  const char* name;
  Verb verb;
  int min_args;
  int max_args;
  const char* usage;
};

constexpr VerbInfo kVerbs[] = {
    {"wait-window", Verb::kWaitWindow, 1, 1, "wait-window TEXT"},
    {"wait-text", Verb::kWaitText, 1, 1, "wait-text TEXT"},
    {"wait-gone", Verb::kWaitGone, 1, 1, "wait-gone TEXT"},
    {"click", Verb::kClick, 1, 1, "click CAPTION"},
    {"click-mouse", Verb::kClickMouse, 1, 1, "click-mouse CAPTION"},
    {"click-at", Verb::kClickAt, 2, 2, "click-at X Y"},
    {"type", Verb::kType, 2, 2, "type FIELD TEXT"},
    {"key", Verb::kKey, 1, 1, "key NAME"},
    {"expect-text", Verb::kExpectText, 1, 1, "expect-text TEXT"},
    {"expect-field", Verb::kExpectField, 2, 2, "expect-field FIELD TEXT"},
    {"expect-layout", Verb::kExpectLayout, 0, 0, "expect-layout"},
    {"dump", Verb::kDump, 0, 0, "dump"},
    {"shot", Verb::kShot, 1, 2, "shot NAME [window]"},
    {"wait-exit", Verb::kWaitExit, 1, 1, "wait-exit PROGRAM"},
    {"disk", Verb::kDisk, 1, 1, "disk N"},
    {"timeout", Verb::kTimeout, 1, 1, "timeout SECONDS"},
    {"sleep", Verb::kSleep, 1, 1, "sleep SECONDS"},
    {"echo", Verb::kEcho, 1, 1, "echo TEXT"},
    {"close", Verb::kClose, 0, 0, "close"},
};

bool ParseInt(const std::string& text, int min, int max, int* value) {
  if (text.empty() || text.size() > 9) return false;
  size_t i = text[0] == '-' ? 1 : 0;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  const long v = std::strtol(text.c_str(), nullptr, 10);
  if (v < min || v > max) return false;
  *value = static_cast<int>(v);
  return true;
}

// Seconds with an optional fraction ("2", "0.5"), as milliseconds, at most one hour.
bool ParseSeconds(const std::string& text, int* milliseconds) {
  const size_t dot = text.find('.');
  const std::string whole = text.substr(0, dot);
  std::string fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
  if (whole.empty() && fraction.empty()) return false;
  int seconds = 0;
  if (!whole.empty() && !ParseInt(whole, 0, 3600, &seconds)) return false;
  if (fraction.size() > 3) return false;
  for (char c : fraction) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  while (fraction.size() < 3) fraction += '0';
  *milliseconds = seconds * 1000 + std::atoi(fraction.c_str());
  return *milliseconds <= 3600 * 1000;
}

Field ParseField(const Token& t) {
  Field f;
  int index = 0;
  if (!t.quoted && ParseInt(t.text, 1, 999, &index)) {
    f.index = index;
  } else {
    f.label = t.text;
  }
  return f;
}

// Fills the action from its arguments; returns an error text or "".
std::string Fill(const VerbInfo& info, const std::vector<Token>& args, Action* a) {
  a->verb = info.verb;
  switch (info.verb) {
    case Verb::kClickAt:
      if (!ParseInt(args[0].text, -10000, 10000, &a->x) ||
          !ParseInt(args[1].text, -10000, 10000, &a->y)) {
        return "X and Y must be whole numbers";
      }
      return "";
    case Verb::kType:
    case Verb::kExpectField:
      a->field = ParseField(args[0]);
      if (a->field.index == 0 && a->field.label.empty()) return "empty field label";
      a->text = args[1].text;
      return "";
    case Verb::kKey:
      if (!ParseKey(args[0].text, &a->key)) return "unknown key \"" + args[0].text + "\"";
      return "";
    case Verb::kShot:
      a->text = args[0].text;
      if (!IsSafeShotName(a->text)) {
        return "a shot name is letters, digits, '-', '_' and inner dots";
      }
      if (args.size() == 2) {
        if (args[1].text != "window") return "the second word of shot can only be \"window\"";
        a->whole_window = true;
      }
      return "";
    case Verb::kDisk:
      if (!ParseInt(args[0].text, 1, 99, &a->x)) return "the disk number must be 1 to 99";
      return "";
    case Verb::kTimeout:
      if (!ParseSeconds(args[0].text, &a->milliseconds) || a->milliseconds == 0) {
        return "the timeout must be a positive number of seconds, at most 3600";
      }
      return "";
    case Verb::kSleep:
      if (!ParseSeconds(args[0].text, &a->milliseconds)) {
        return "sleep takes a number of seconds, at most 3600";
      }
      return "";
    case Verb::kDump:
    case Verb::kExpectLayout:
    case Verb::kClose:
      return "";
    default:
      a->text = args[0].text;
      if (a->text.empty() && info.verb != Verb::kEcho) return "the text must not be empty";
      return "";
  }
}

}  // namespace

Script ParseScript(std::string_view text) {
  Script script;
  // Editors on Windows like to start a UTF-8 file with a byte order mark.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  int number = 0;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    std::vector<Token> tokens;
    std::string error;
    if (!Tokenize(line, &tokens, &error)) {
      script.error = "line " + std::to_string(number) + ": " + error;
      return script;
    }
    if (tokens.empty()) continue;
    const VerbInfo* info = nullptr;
    for (const auto& v : kVerbs) {
      if (!tokens[0].quoted && tokens[0].text == v.name) info = &v;
    }
    if (info == nullptr) {
      script.error =
          "line " + std::to_string(number) + ": unknown action \"" + tokens[0].text + "\"";
      return script;
    }
    const std::vector<Token> args(tokens.begin() + 1, tokens.end());
    const int count = static_cast<int>(args.size());
    Action action;
    action.line = number;
    action.source = std::string(line.substr(0, line.find_last_not_of(" \t\r") + 1));
    if (count < info->min_args || count > info->max_args) {
      error = "expected " + std::string(info->usage);
    } else {
      error = Fill(*info, args, &action);
    }
    if (!error.empty()) {
      script.error = "line " + std::to_string(number) + ": " + error;
      return script;
    }
    script.actions.push_back(action);
    if (end == text.size()) break;
  }
  return script;
}

bool ParseKey(std::string_view name, Key* key) {
  Key k;
  std::string rest(name);
  for (auto& c : rest) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (;;) {
    const size_t plus = rest.find('+');
    if (plus == std::string::npos || plus + 1 == rest.size()) break;
    const std::string modifier = rest.substr(0, plus);
    if (modifier == "ALT") {
      k.alt = true;
    } else if (modifier == "CTRL") {
      k.ctrl = true;
    } else if (modifier == "SHIFT") {
      k.shift = true;
    } else {
      return false;
    }
    rest = rest.substr(plus + 1);
  }
  static const struct {
    const char* name;
    uint8_t code;
  } kNamed[] = {{"ENTER", 0x0D}, {"RETURN", 0x0D}, {"ESC", 0x1B},       {"ESCAPE", 0x1B},
                {"TAB", 0x09},   {"SPACE", 0x20},  {"BACKSPACE", 0x08}, {"DELETE", 0x2E},
                {"LEFT", 0x25},  {"UP", 0x26},     {"RIGHT", 0x27},     {"DOWN", 0x28},
                {"HOME", 0x24},  {"END", 0x23}};
  for (const auto& n : kNamed) {
    if (rest == n.name) k.code = n.code;
  }
  if (k.code == 0 && rest.size() == 1 && std::isalnum(static_cast<unsigned char>(rest[0]))) {
    k.code = static_cast<uint8_t>(rest[0]);
  }
  int f = 0;
  if (k.code == 0 && rest.size() >= 2 && rest[0] == 'F' && ParseInt(rest.substr(1), 1, 12, &f)) {
    k.code = static_cast<uint8_t>(0x6F + f);
  }
  if (k.code == 0) return false;
  *key = k;
  return true;
}

bool IsSafeShotName(std::string_view name) {
  if (name.empty() || name.size() > 64 || name.front() == '.' || name.back() == '.') return false;
  if (name.find("..") != std::string_view::npos) return false;
  for (char c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.') {
      return false;
    }
  }
  return true;
}

}  // namespace wizdrive
