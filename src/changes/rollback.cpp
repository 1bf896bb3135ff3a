#include "changes/rollback.h"

#include <cctype>
#include <map>
#include <set>
#include <utility>

#include "os/file_replace.h"
#include "os/os.h"
#include "os/text_lines.h"
#include "os/trust_boundary.h"

namespace changes {

namespace {

using HandlerKey = std::pair<Kind, std::string>;

std::set<HandlerKey>& NeedingFiles() {
  static std::set<HandlerKey> keys;
  return keys;
}

std::map<HandlerKey, UndoHandler>& Handlers() {
  static std::map<HandlerKey, UndoHandler> handlers;
  return handlers;
}

// The file is as the run left it.
bool Unchanged(const Change& c) {
  return os::StampOf(c.target) == std::optional<os::FileStamp>(os::FileStamp{c.size, c.time});
}

std::string PutBack(const Change& c) {
  // A read-only file cannot be replaced; what comes back brings its own attributes.
  os::SetAttributes(c.target, os::kAttrNormal);
  if (!os::MoveReplace(c.backup, c.target)) return "nu pot pune la loc " + c.target;
  return {};
}

std::string Key(const std::string& path) {
  std::string key = path;
  for (char& ch : key) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return key;
}

// Removes a file the run made, asking what to do while another program holds it.
std::string Remove(const std::string& path, const UndoOptions& options, UndoReport& report) {
  for (;;) {
    os::SetAttributes(path, os::kAttrNormal);
    if (trust::RemoveEntry(path)) return {};
    const LockedFile answer = options.locked ? options.locked(path) : LockedFile::kLeave;
    if (answer == LockedFile::kRetry) continue;
    if (answer == LockedFile::kAtRestart && os::RemoveAtRestart(path)) {
      report.at_restart.push_back(path);
      return {};
    }
    return "nu pot sterge " + path;
  }
}

// A killed run recorded the change and stopped before making it: what is there is what was.
bool NeverMade(const Change& c, const UndoOptions& options) {
  if (!options.interrupted || !c.previous || c.backup.empty()) return false;
  const std::optional<std::string> before = os::ReadWholeFile(c.backup);
  return before && os::ReadWholeFile(c.target) == before;
}

std::string UndoFile(const Change& c, const UndoOptions& options, UndoReport& report) {
  if (!os::FileExists(c.target)) {
    if (c.previous) return "lipseste " + c.target;
    report.gone.push_back(c.target);
    return {};
  }
  if (!Unchanged(c)) {
    if (NeverMade(c, options)) return {};
    return c.target + " a fost schimbat dupa instalare";
  }
  if (c.previous) return PutBack(c);
  return Remove(c.target, options, report);
}

std::string UndoTextFile(const Change& c, const UndoOptions& options) {
  const std::optional<std::string> now = os::ReadWholeFile(c.target);
  if (!now) return c.previous ? "nu pot citi " + c.target : std::string();
  if (*now != c.value) {
    if (NeverMade(c, options)) return {};
    return c.target + " a fost schimbat dupa instalare";
  }
  if (c.previous) return PutBack(c);
  os::SetAttributes(c.target, os::kAttrNormal);
  return trust::RemoveEntry(c.target) ? std::string() : "nu pot sterge " + c.target;
}

// A directory whose files wait for the restart goes with them.
bool WaitsForRestart(const std::string& dir, const UndoReport& report) {
  const std::string prefix = os::WithTrailingBackslash(dir);
  for (const std::string& path : report.at_restart)
    if (path.rfind(prefix, 0) == 0) return true;
  return false;
}

// What a killed run put in a directory it made before the records of it were written; a link
// goes itself, never what it leads to.
void RemoveUnrecorded(const std::string& dir, const UndoOptions& options, UndoReport& report) {
  for (const os::DirEntry& entry : os::ListDirectory(dir)) {
    const std::string path = os::WithTrailingBackslash(dir) + entry.name;
    if (entry.is_directory && !entry.is_link) {
      RemoveUnrecorded(path, options, report);
      trust::RemoveEntry(path);
    } else {
      Remove(path, options, report);
    }
  }
}

// The data as it was before the database tasks changed it in place: a file from its copy, a
// folder without the files they added.
std::string PutBackData(const Change& c, const UndoOptions& options, UndoReport& report) {
  if (!c.backup.empty()) {
    if (!os::FileExists(c.backup)) return "lipseste copia lui " + c.target;
    return PutBack(c);
  }
  std::set<std::string> had;
  for (const std::string& name : os::SplitLines(c.value)) had.insert(Key(name));
  std::string failure;
  for (const os::DirEntry& entry : os::ListDirectory(c.target)) {
    if ((entry.is_directory && !entry.is_link) || had.count(Key(entry.name))) continue;
    const std::string removed =
        Remove(os::WithTrailingBackslash(c.target) + entry.name, options, report);
    if (failure.empty()) failure = removed;
  }
  return failure;
}

std::string UndoDirectory(const Change& c, const UndoOptions& options, UndoReport& report) {
  // A link put where the directory was goes itself; what it leads to is someone else's.
  if (trust::IsLink(c.target)) {
    if (!trust::RemoveEntry(c.target)) report.refused.push_back(c.target + " (legatura, ramane)");
    return {};
  }
  if (!os::DirectoryExists(c.target)) {
    report.gone.push_back(c.target);
    return {};
  }
  if (WaitsForRestart(c.target, report) && os::RemoveAtRestart(c.target)) return {};
  if (options.interrupted) RemoveUnrecorded(c.target, options, report);
  if (!os::ListDirectory(c.target).empty()) {
    if (!options.removal) return c.target + " nu este gol";
    report.kept.push_back(c.target);
    report.changed.push_back(c.target);
    return {};
  }
  return trust::RemoveEntry(c.target) ? std::string() : "nu pot sterge " + c.target;
}

std::string UndoOne(const Change& c, const UndoOptions& options, UndoReport& report) {
  switch (c.kind) {
    case Kind::kDirectory:
      return UndoDirectory(c, options, report);
    case Kind::kFile:
      return UndoFile(c, options, report);
    case Kind::kTemporaryFile:
      return os::FileExists(c.target) ? Remove(c.target, options, report) : std::string();
    case Kind::kTextFile:
      return UndoTextFile(c, options);
    case Kind::kDataCopy:
      return PutBackData(c, options, report);
    default:
      break;
  }
  const auto found = Handlers().find({c.kind, c.handler});
  if (found == Handlers().end()) return c.description + ": nu poate fi anulat";
  return found->second(c);
}

bool IsFileChange(const Change& c) {
  return c.kind == Kind::kFile || c.kind == Kind::kTextFile;
}

std::string LinkAbove(const std::string& path) {
  return path.empty() ? std::string()
                      : trust::LinkOnPath(os::WithoutTrailingBackslash(os::DirectoryOf(path)));
}

// The changes whose target and copy are reached without passing through a link; each other one
// is refused, named with the link.
std::vector<Change> Unlinked(const std::vector<Change>& changes, UndoReport& report) {
  std::vector<Change> kept;
  for (const Change& c : changes) {
    const bool on_disk = IsFileChange(c) || c.kind == Kind::kDirectory ||
                         c.kind == Kind::kTemporaryFile || c.kind == Kind::kDataCopy;
    std::string link = on_disk ? LinkAbove(c.target) : std::string();
    if (link.empty() && on_disk) link = LinkAbove(c.backup);
    if (link.empty()) {
      kept.push_back(c);
    } else {
      report.refused.push_back(c.target + " (prin legatura " + link + ")");
    }
  }
  return kept;
}

struct FileHistory {
  size_t first;
  size_t last;
};

// A file of an installation being removed, as its last change left it: it goes, unless it was
// there before the installation, which a removal cannot give back.
std::string RemoveInstalledFile(const Change& last, const Change& first, UndoReport& report,
                                const UndoOptions& options) {
  if (!os::FileExists(last.target)) {
    report.gone.push_back(last.target);
    return {};
  }
  const bool as_left = last.kind == Kind::kTextFile ? os::ReadWholeFile(last.target) ==
                                                          std::optional<std::string>(last.value)
                                                    : Unchanged(last);
  if (!as_left || (first.previous && !os::FileExists(first.backup))) {
    report.kept.push_back(last.target);
    if (!as_left) report.changed.push_back(last.target);
    return {};
  }
  if (first.previous) return PutBack(Change{first.kind, {}, last.target, {}, {}, first.backup});
  return Remove(last.target, options, report);
}

// A killed run may have been writing a file: its scratch file, never recorded, goes from every
// directory the run's records name.
void RemoveScratchFiles(const std::vector<Change>& changes, const UndoOptions& options,
                        UndoReport& report) {
  std::set<std::string> seen;
  for (const Change& c : changes) {
    std::string dir;
    if (c.kind == Kind::kDirectory || (c.kind == Kind::kNote && c.handler == kPlaceHandler)) {
      dir = c.target;
    } else if (IsFileChange(c) || c.kind == Kind::kTemporaryFile) {
      dir = os::DirectoryOf(c.target);
    }
    dir = os::WithoutTrailingBackslash(dir);
    if (dir.empty() || !seen.insert(Key(dir)).second || !trust::LinkOnPath(dir).empty()) continue;
    for (const os::DirEntry& entry : os::ListDirectory(dir)) {
      if (!entry.is_directory && IsScratchName(entry.name))
        Remove(os::WithTrailingBackslash(dir) + entry.name, options, report);
    }
  }
}

const std::vector<Change>*& Undoing() {
  static const std::vector<Change>* undoing = nullptr;
  return undoing;
}

}  // namespace

std::optional<std::string> LastRecordedSha256(const std::string& path) {
  if (!Undoing()) return std::nullopt;
  for (auto c = Undoing()->rbegin(); c != Undoing()->rend(); ++c) {
    if (IsFileChange(*c) && Key(c->target) == Key(path))
      return c->sha256.empty() ? std::nullopt : std::optional<std::string>(c->sha256);
  }
  return std::nullopt;
}

void RegisterUndo(Kind kind, const std::string& handler, UndoHandler undo, bool needs_files) {
  Handlers()[{kind, handler}] = std::move(undo);
  if (needs_files) NeedingFiles().insert({kind, handler});
}

UndoReport Undo(const std::vector<Change>& journal, const UndoOptions& options) {
  UndoReport report;
  std::vector<Change> checked = journal;
  if (options.bounds) {
    CheckedJournal bounded = CheckJournal(journal, *options.bounds);
    checked = std::move(bounded.accepted);
    report.refused = std::move(bounded.refused);
  }
  const std::vector<Change> changes = Unlinked(checked, report);
  Undoing() = &changes;
  // A removal takes a file away at its last change, which may come after a change whose undo
  // runs it: those go first.
  std::set<size_t> done;
  for (size_t i = changes.size(); options.removal && i-- > 0;) {
    const Change& c = changes[i];
    if (!NeedingFiles().count({c.kind, c.handler}) || (options.keep && options.keep(c))) continue;
    done.insert(i);
    const std::string failure = UndoOne(c, options, report);
    if (failure.empty()) {
      ++report.undone;
    } else {
      report.failures.push_back(failure);
    }
  }
  std::map<std::string, FileHistory> files;
  for (size_t i = 0; i < changes.size(); ++i) {
    if (!options.removal || !IsFileChange(changes[i])) continue;
    const auto [at, fresh] = files.try_emplace(Key(changes[i].target), FileHistory{i, i});
    if (!fresh) at->second.last = i;
  }
  for (size_t i = changes.size(); i-- > 0;) {
    const Change& c = changes[i];
    if (done.count(i)) continue;
    // The copies of the data are the run's own: an installation removed keeps its data.
    if (c.kind == Kind::kNote || (options.removal && c.kind == Kind::kDataCopy)) continue;
    if (options.removal && IsFileChange(c) && !(options.keep && options.keep(c))) {
      const FileHistory& history = files.at(Key(c.target));
      if (history.last != i) continue;
      const std::string failure = RemoveInstalledFile(c, changes[history.first], report, options);
      if (failure.empty()) {
        ++report.undone;
      } else {
        report.failures.push_back(failure);
      }
      continue;
    }
    if (c.kind == Kind::kRun || (c.kind == Kind::kDomain && c.handler.empty()) ||
        (options.keep && options.keep(c))) {
      if (!c.description.empty()) report.kept.push_back(c.description);
      continue;
    }
    const std::string failure = UndoOne(c, options, report);
    if (failure.empty()) {
      ++report.undone;
    } else {
      report.failures.push_back(failure);
    }
  }
  if (options.interrupted) RemoveScratchFiles(changes, options, report);
  Undoing() = nullptr;
  return report;
}

}  // namespace changes
