#include "changes/repair_check.h"

#include <cctype>
#include <map>
#include <memory>

#include "os/sha256.h"

namespace changes {

namespace {

std::string Key(Kind kind, const std::string& target) {
  // A file the run rewrote whole after it unpacked it (the engine's template) is a text file.
  if (kind == Kind::kTextFile) kind = Kind::kFile;
  std::string key = std::to_string(static_cast<int>(kind)) + ":" + target;
  for (char& c : key)
    c = c == '/' ? '\\' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}

bool Checked(const Change& c) {
  if (c.scope == kScopeData) return false;
  switch (c.kind) {
    case Kind::kDirectory:
    case Kind::kFile:
    case Kind::kTextFile:
    case Kind::kProfile:
    case Kind::kRegistryKey:
      return true;
    case Kind::kRegistry: {
      // How many products use the engine is theirs to count.
      const std::string suffix = "|UseCount";
      return c.target.size() < suffix.size() ||
             c.target.compare(c.target.size() - suffix.size(), suffix.size(), suffix) != 0;
    }
    case Kind::kDomain:
      // The aliases and the group are read back; what a registration program wrote is its own.
      return c.handler == "alias" || c.handler == "group";
    default:
      return false;
  }
}

std::optional<Finding> CheckFile(const Change& last, const Change& first, MachineProbe& probe) {
  const std::optional<os::FileStamp> stamp = probe.FileStamp(last.target);
  if (!stamp) return Finding::kMissing;
  bool changed;
  if (!last.sha256.empty()) {
    // The size first: a file of another length needs no reading.
    changed = stamp->size != last.size || probe.FileSha256(last.target) != last.sha256;
  } else {
    changed = *stamp != os::FileStamp{last.size, last.time};
  }
  if (!changed) return std::nullopt;
  // A file that was there before, or the engine's, may be another product's newer version.
  if (first.previous || last.scope == kScopeEngine) return Finding::kChangedByOther;
  return Finding::kChanged;
}

std::optional<Finding> CheckOne(const Change& last, const Change& first, MachineProbe& probe) {
  switch (last.kind) {
    case Kind::kDirectory:
      if (probe.DirectoryExists(last.target)) return std::nullopt;
      return Finding::kMissing;
    case Kind::kFile:
      return CheckFile(last, first, probe);
    case Kind::kTextFile:
      // Rewritten from what it held (CONFIG.SYS, the engine's template): others edit it too.
      return std::nullopt;
    case Kind::kRegistry: {
      const std::optional<std::string> now = probe.RegistryValue(last.target);
      if (!now) return Finding::kRemovedByOther;
      // A value an imported file set is journaled without what it holds.
      if (last.value.empty() || *now == last.value) return std::nullopt;
      return Finding::kChanged;
    }
    case Kind::kRegistryKey:
      if (probe.RegistryKeyExists(last.target)) return std::nullopt;
      return Finding::kRemovedByOther;
    case Kind::kProfile: {
      const std::optional<std::string> now = probe.ProfileValue(last.target);
      if (!now) return Finding::kRemovedByOther;
      if (*now == last.value) return std::nullopt;
      return Finding::kChanged;
    }
    case Kind::kDomain:
      if (probe.DomainPresent(last)) return std::nullopt;
      return Finding::kRemovedByOther;
    default:
      return std::nullopt;
  }
}

std::string After(const std::string& text, char bar) {
  const size_t at = text.rfind(bar);
  return at == std::string::npos ? text : text.substr(at + 1);
}

std::string Before(const std::string& text, char bar) {
  const size_t at = text.rfind(bar);
  return at == std::string::npos ? std::string() : text.substr(0, at);
}

std::string What(const Change& c) {
  switch (c.kind) {
    case Kind::kRegistry:
      return "HKLM\\" + Before(c.target, '|') + " " + After(c.target, '|');
    case Kind::kRegistryKey:
      return "HKLM\\" + c.target;
    case Kind::kProfile: {
      const std::string rest = Before(c.target, '|');
      const std::string file = Before(rest, '|');
      return (file.empty() ? std::string("WIN.INI") : file) + " [" + After(rest, '|') + "] " +
             After(c.target, '|');
    }
    case Kind::kDomain:
      return (c.handler == "alias"   ? "aliasul "
              : c.handler == "group" ? "grupul de programe "
                                     : "") +
             c.target;
    default:
      return c.target;
  }
}

}  // namespace

std::vector<RepairItem> CheckInstallation(const std::vector<Change>& journal, MachineProbe& probe) {
  std::map<std::string, size_t> first, last;
  for (size_t i = 0; i < journal.size(); ++i) {
    if (!Checked(journal[i])) continue;
    const std::string key = Key(journal[i].kind, journal[i].target);
    first.try_emplace(key, i);
    last[key] = i;
  }
  std::vector<RepairItem> items;
  // The values of an imported registration file follow its record.
  const Change* imported = nullptr;
  for (size_t i = 0; i < journal.size(); ++i) {
    const Change& c = journal[i];
    if (c.kind == Kind::kTextFile) imported = &c;
    if (!Checked(c)) continue;
    const std::string key = Key(c.kind, c.target);
    if (last.at(key) != i) continue;
    const std::optional<Finding> finding = CheckOne(c, journal[first.at(key)], probe);
    if (!finding) continue;
    RepairItem item{*finding, c, std::nullopt};
    if (c.kind == Kind::kRegistry && c.value.empty() && imported) item.imported_from = *imported;
    items.push_back(std::move(item));
  }
  return items;
}

std::optional<std::string> FileSha256(const std::string& path) {
  os::File file = os::File::Open(path, os::OpenMode::kRead);
  if (!file) return std::nullopt;
  constexpr uint32_t kBlock = 65536;
  const std::unique_ptr<uint8_t[]> block(new uint8_t[kBlock]);
  os::Sha256 hash;
  for (;;) {
    const int32_t n = file.Read(block.get(), kBlock);
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    hash.Update(block.get(), static_cast<size_t>(n));
  }
  return os::Sha256Text(hash.Final());
}

std::string RepairItemText(const RepairItem& item) {
  switch (item.finding) {
    case Finding::kMissing:
      return What(item.change) + ": lipseste";
    case Finding::kChanged:
      return What(item.change) + ": schimbat";
    case Finding::kRemovedByOther:
      return What(item.change) + ": sters de alt program";
    case Finding::kChangedByOther:
      return What(item.change) + ": schimbat de alt program (nu este al produsului)";
  }
  return What(item.change);
}

bool RepairedByDefault(const RepairItem& item) {
  return item.finding != Finding::kChangedByOther;
}

}  // namespace changes
