#include "changes/rollback.h"

#include <map>
#include <utility>

#include "os/file_replace.h"
#include "os/os.h"

namespace changes {

namespace {

using HandlerKey = std::pair<Kind, std::string>;

std::map<HandlerKey, UndoHandler>& Handlers() {
  static std::map<HandlerKey, UndoHandler> handlers;
  return handlers;
}

// The file is as the run left it.
bool Unchanged(const Change& c) {
  return os::FileSize(c.target) == std::optional<int64_t>(c.size) &&
         os::FileWriteTime(c.target) == std::optional<uint64_t>(c.time);
}

std::string PutBack(const Change& c) {
  // A read-only file cannot be replaced; what comes back brings its own attributes.
  os::SetAttributes(c.target, os::kAttrNormal);
  if (!os::MoveReplace(c.backup, c.target)) return "nu pot pune la loc " + c.target;
  return {};
}

std::string UndoFile(const Change& c) {
  if (!os::FileExists(c.target)) return c.previous ? "lipseste " + c.target : std::string();
  if (!Unchanged(c)) return c.target + " a fost schimbat dupa instalare";
  if (c.previous) return PutBack(c);
  return os::RemoveFile(c.target) ? std::string() : "nu pot sterge " + c.target;
}

std::string UndoTextFile(const Change& c) {
  const std::optional<std::string> now = os::ReadWholeFile(c.target);
  if (!now) return c.previous ? "nu pot citi " + c.target : std::string();
  if (*now != c.value) return c.target + " a fost schimbat dupa instalare";
  if (c.previous) return PutBack(c);
  os::SetAttributes(c.target, os::kAttrNormal);
  return os::RemoveFile(c.target) ? std::string() : "nu pot sterge " + c.target;
}

std::string UndoDirectory(const Change& c) {
  if (!os::DirectoryExists(c.target)) return {};
  if (!os::ListDirectory(c.target).empty()) return c.target + " nu este gol";
  return os::RemoveEmptyDirectory(c.target) ? std::string() : "nu pot sterge " + c.target;
}

std::string UndoOne(const Change& c) {
  switch (c.kind) {
    case Kind::kDirectory:
      return UndoDirectory(c);
    case Kind::kFile:
      return UndoFile(c);
    case Kind::kTemporaryFile:
      if (os::FileExists(c.target) && !os::RemoveFile(c.target)) return "nu pot sterge " + c.target;
      return {};
    case Kind::kTextFile:
      return UndoTextFile(c);
    default:
      break;
  }
  const auto found = Handlers().find({c.kind, c.handler});
  if (found == Handlers().end()) return c.description + ": nu poate fi anulat";
  return found->second(c);
}

}  // namespace

void RegisterUndo(Kind kind, const std::string& handler, UndoHandler undo) {
  Handlers()[{kind, handler}] = std::move(undo);
}

UndoReport Undo(const std::vector<Change>& changes,
                const std::function<bool(const Change&)>& keep) {
  UndoReport report;
  for (auto it = changes.rbegin(); it != changes.rend(); ++it) {
    const Change& c = *it;
    if (c.kind == Kind::kNote) continue;
    if (c.kind == Kind::kRun || (c.kind == Kind::kDomain && c.handler.empty()) ||
        (keep && keep(c))) {
      if (!c.description.empty()) report.kept.push_back(c.description);
      continue;
    }
    const std::string failure = UndoOne(c);
    if (failure.empty()) {
      ++report.undone;
    } else {
      report.failures.push_back(failure);
    }
  }
  return report;
}

}  // namespace changes
