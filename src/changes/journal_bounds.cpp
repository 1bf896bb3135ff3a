#include "changes/journal_bounds.h"

#include <algorithm>
#include <cctype>

#include "changes/journal.h"
#include "os/trust_boundary.h"

namespace changes {

namespace {

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

// `key` is `top` or one of its subkeys.
bool KeyWithin(const std::string& key, const std::string& top) {
  return SameText(key, top) || (key.size() > top.size() && key[top.size()] == '\\' &&
                                SameText(key.substr(0, top.size()), top));
}

// "KEY|NAME" and "FILE|SECTION|KEY" split from the end, as undoing them reads them.
std::string BeforeLastBar(const std::string& text) {
  const size_t bar = text.rfind('|');
  return bar == std::string::npos ? std::string() : text.substr(0, bar);
}

std::string AfterLastBar(const std::string& text) {
  const size_t bar = text.rfind('|');
  return bar == std::string::npos ? text : text.substr(bar + 1);
}

template <typename Match>
bool Any(const std::vector<std::string>& list, Match match) {
  return std::any_of(list.begin(), list.end(), match);
}

class Checker {
 public:
  Checker(const std::vector<Change>& journal, const JournalBounds& bounds)
      : bounds_(bounds), places_(bounds.directories) {
    if (!bounds.trusted) return;
    for (const Change& c : journal) {
      if (c.kind == Kind::kDirectory || (c.kind == Kind::kNote && c.handler == kPlaceHandler))
        places_.push_back(c.target);
    }
  }

  // Why the line is refused; empty when it may be undone.
  std::string Refusal(const Change& c) const {
    if (!c.backup.empty() && !trust::PathInside(c.backup, bounds_.backups))
      return "copia ei nu este in " + bounds_.backups;
    const bool within = TargetWithin(c);
    return within ? std::string() : "in afara instalarii";
  }

 private:
  bool InPlaces(const std::string& path) const {
    return Any(places_, [&](const std::string& dir) { return trust::PathInside(path, dir); });
  }

  bool TargetWithin(const Change& c) const {
    switch (c.kind) {
      case Kind::kDirectory:
        // Undoing a directory removes it only when it is empty: one above the installation's
        // own may be named too (the engine's "Borland" above its directory).
        return bounds_.trusted || InPlaces(c.target) || Any(places_, [&](const std::string& dir) {
                 return trust::PathInside(dir, c.target);
               });
      case Kind::kFile:
      case Kind::kTemporaryFile:
      case Kind::kDataCopy:
        return InPlaces(c.target);
      case Kind::kTextFile:
        return InPlaces(c.target) || Any(bounds_.system_files, [&](const std::string& file) {
                 return trust::PathInside(c.target, file);
               });
      case Kind::kProfile: {
        const std::string rest = BeforeLastBar(c.target);
        return BeforeLastBar(rest).empty() && rest.find('|') != std::string::npos &&
               Any(bounds_.profile_sections, [&](const std::string& section) {
                 return SameText(AfterLastBar(rest), section);
               });
      }
      case Kind::kRegistry:
        return Any(bounds_.registry_keys, [&](const std::string& top) {
          return c.target.find('|') != std::string::npos && KeyWithin(BeforeLastBar(c.target), top);
        });
      case Kind::kRegistryKey:
        // A key is removed only when it holds no subkey: the run journals the parents it made.
        return Any(bounds_.registry_keys, [&](const std::string& top) {
          return KeyWithin(c.target, top) || KeyWithin(top, c.target);
        });
      case Kind::kDomain:
        return c.handler.empty() ||
               std::any_of(bounds_.domain.begin(), bounds_.domain.end(), [&](const auto& made) {
                 return made.first == c.handler && SameText(made.second, c.target);
               });
      case Kind::kRun:
      case Kind::kNote:
        return true;
    }
    return false;
  }

  const JournalBounds& bounds_;
  std::vector<std::string> places_;
};

// The line a person reads, or what it names when it has none.
std::string Shown(const Change& c) {
  if (!c.description.empty()) return c.description;
  switch (c.kind) {
    case Kind::kRegistry:
      return "HKLM\\" + BeforeLastBar(c.target) + " " + AfterLastBar(c.target);
    case Kind::kRegistryKey:
      return "HKLM\\" + c.target;
    default:
      return c.target;
  }
}

}  // namespace

CheckedJournal CheckJournal(const std::vector<Change>& journal, const JournalBounds& bounds) {
  CheckedJournal checked;
  const Checker checker(journal, bounds);
  for (Change c : journal) {
    if (!bounds.trusted) c.backup.clear();
    const std::string refusal = checker.Refusal(c);
    if (refusal.empty()) {
      checked.accepted.push_back(std::move(c));
    } else {
      checked.refused.push_back(Shown(c) + " (" + refusal + ")");
    }
  }
  return checked;
}

bool RecordPlace(const std::string& directory) {
  Change place;
  place.kind = Kind::kNote;
  place.handler = kPlaceHandler;
  place.target = directory;
  return Record(place);
}

}  // namespace changes
