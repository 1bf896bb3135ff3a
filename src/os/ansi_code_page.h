// Interfaces that take only bytes in the system's ANSI code page: the database engine, the
// upgrade library, Program Manager's DDE text, registry-editor files and the command lines of
// programs of that age. They get text the code page holds; a path the code page cannot hold goes
// by its short (8.3) name.
#pragma once

#include <optional>
#include <string>

namespace os {

// The text in the ANSI code page, exactly; nothing when the code page lacks one of its
// characters (no character stands in for another).
std::optional<std::string> ToAnsiCodePage(const std::string& text);
// Bytes in the ANSI code page, as UTF-8.
std::string FromAnsiCodePage(const std::string& bytes);
// The code page's number (1250, 1252, ...).
unsigned AnsiCodePageNumber();

// The form of `path` such an interface can hold, in UTF-8: the path itself when the code page
// holds it, else its short name (only an existing path has one; parts after the deepest one that
// exists must be in the code page as they are). Nothing, with `reason`, when neither will do.
std::optional<std::string> AnsiPathForm(const std::string& path, std::string* reason = nullptr);

// The bytes such an interface takes for `path`: its form above in the ANSI code page.
inline std::optional<std::string> AnsiPathBytes(const std::string& path,
                                                std::string* reason = nullptr) {
  const std::optional<std::string> form = AnsiPathForm(path, reason);
  if (!form) return std::nullopt;
  return ToAnsiCodePage(*form);
}

// A path such an interface gave back, with each short name that exists spelled out again.
std::string LongPathForm(const std::string& path);

}  // namespace os
