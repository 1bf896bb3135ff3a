#include "progman/dde_commands.h"

#include <cctype>

namespace standin {

namespace {

class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}

  std::optional<std::vector<DdeCommand>> Commands() {
    std::vector<DdeCommand> commands;
    for (SkipBlanks(); pos_ < text_.size(); SkipBlanks()) {
      auto command = Command();
      if (!command) return std::nullopt;
      commands.push_back(std::move(*command));
    }
    return commands;
  }

 private:
  static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }
  bool Take(char c) {
    SkipBlanks();
    if (pos_ >= text_.size() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  std::optional<DdeCommand> Command() {
    if (!Take('[')) return std::nullopt;
    SkipBlanks();
    DdeCommand command;
    while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) != 0))
      command.name += text_[pos_++];
    if (command.name.empty()) return std::nullopt;
    if (Take('(')) {
      SkipBlanks();
      if (!Take(')')) {
        do {
          auto argument = Argument();
          if (!argument) return std::nullopt;
          command.arguments.push_back(std::move(*argument));
        } while (Take(','));
        if (!Take(')')) return std::nullopt;
      }
    }
    if (!Take(']')) return std::nullopt;
    return command;
  }

  std::optional<std::string> Argument() {
    SkipBlanks();
    std::string value;
    if (pos_ < text_.size() && text_[pos_] == '"') {
      const size_t close = text_.find('"', pos_ + 1);
      if (close == std::string::npos) return std::nullopt;
      value = text_.substr(pos_ + 1, close - pos_ - 1);
      pos_ = close + 1;
      return value;
    }
    while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != ')' && text_[pos_] != ']')
      value += text_[pos_++];
    while (!value.empty() && IsBlank(value.back())) value.pop_back();
    return value;
  }

  const std::string& text_;
  size_t pos_ = 0;
};

}  // namespace

std::optional<std::vector<DdeCommand>> ParseDdeCommands(const std::string& text) {
  return Parser(text).Commands();
}

}  // namespace standin
