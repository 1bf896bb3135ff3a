// What a repair finds: the journal of an extraction keeps each file's SHA-256 from the bytes it
// wrote, and the check holds every record against the machine.
#include "changes/repair_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "changes/change_text.h"
#include "changes/files.h"
#include "changes/journal.h"
#include "os/os.h"
#include "os/sha256.h"
#include "support/temp_dir.h"
#include "support/zip_builder.h"
#include "unzip/zip_archive.h"

using testing_support::TempDir;
using testing_support::ZipBuilder;

namespace {

// The machine's files as they are; its values, aliases and group as the test says.
class Machine : public changes::MachineProbe {
 public:
  bool DirectoryExists(const std::string& path) override { return os::DirectoryExists(path); }
  std::optional<os::FileStamp> FileStamp(const std::string& path) override {
    return os::StampOf(path);
  }
  std::optional<std::string> FileSha256(const std::string& path) override {
    ++hashed;
    return changes::FileSha256(path);
  }
  std::optional<std::string> RegistryValue(const std::string& target) override {
    return Find(target);
  }
  bool RegistryKeyExists(const std::string& key) override { return Find(key).has_value(); }
  std::optional<std::string> ProfileValue(const std::string& target) override {
    return Find(target);
  }
  bool DomainPresent(const changes::Change& change) override {
    return Find(change.handler + ":" + change.target).has_value();
  }

  std::map<std::string, std::string> values;
  int hashed = 0;

 private:
  std::optional<std::string> Find(const std::string& key) const {
    const auto found = values.find(key);
    return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
  }
};

changes::Change Value(changes::Kind kind, const std::string& target, const std::string& value,
                      const std::string& handler = {}) {
  changes::Change c;
  c.kind = kind;
  c.target = target;
  c.value = value;
  c.handler = handler;
  return c;
}

}  // namespace

TEST(RepairCheck, FindsWhatChangedSinceTheInstallationAndNeverLooksAtTheData) {
  TempDir work, machine;
  const std::string app = machine.File("App");
  const std::string data = machine.File("Data");
  machine.Write("shared.dll", "a library that was there before");
  machine.Write("kit.zip", ZipBuilder()
                               .Stored("VORTEL.EXE", "the program")
                               .Stored("VORTEL.HLP", "the help")
                               .Stored("SUB/X.DLL", "a library of its own")
                               .Stored("bde.reg", "REGEDIT4 with PROGRAMFILES")
                               .Build());
  ASSERT_TRUE(changes::BeginJournal(work.File("run.jrn"), work.File("backups")));
  ASSERT_TRUE(changes::MakeDirectory(app));
  ASSERT_EQ(unzip::ExtractArchive(machine.File("kit.zip"), app, "*.*", nullptr, nullptr), 4);
  // A template the run rewrites once unpacked is its text now, no longer the archive's bytes.
  ASSERT_TRUE(changes::ReplaceTextFile(app + "/bde.reg", "REGEDIT4 with C:\\Program Files", {}));
  machine.Write("new.dll", "the product's version");
  ASSERT_TRUE(changes::CommitFile(machine.File("new.dll"), machine.File("shared.dll")));
  {
    const changes::Scope scope(changes::kScopeData);
    ASSERT_TRUE(changes::MakeDirectory(data));
    machine.Write("db", "the database");
    ASSERT_TRUE(changes::CommitFile(machine.File("db"), data + "/VORTEL.DB"));
  }
  changes::EndRun(false);
  std::vector<changes::Change> journal = changes::LoadJournal(work.File("run.jrn"));
  ASSERT_EQ(journal.size(), 10u);

  // The hash is the extraction's, of the bytes written; a line without it (an older journal)
  // still loads.
  const changes::Change& program = journal[1];
  ASSERT_EQ(program.target, app + "\\VORTEL.EXE");
  EXPECT_EQ(program.sha256, os::Sha256Text(os::Sha256Of("the program")));
  std::string older = changes::EncodeChange(program);
  older.resize(older.rfind('\t'));
  const std::optional<changes::Change> old = changes::DecodeChange(older);
  ASSERT_TRUE(old);
  EXPECT_EQ(old->target, program.target);
  EXPECT_EQ(old->size, program.size);
  EXPECT_TRUE(old->sha256.empty());
  EXPECT_TRUE(changes::DecodeChange(changes::EncodeChange(program) + "\ta later field"));

  journal.push_back(Value(changes::Kind::kProfile, "|Vortel|LastUser", "Master"));
  journal.push_back(Value(changes::Kind::kRegistry, "Software\\Borland\\Engine|UseCount", "1"));
  journal.push_back(Value(changes::Kind::kRegistry, "Software\\Borland\\Engine|DLLPATH", "C:\\B"));
  journal.push_back(Value(changes::Kind::kDomain, "VORTEL", "C:\\Data", "alias"));
  journal.push_back(Value(changes::Kind::kDomain, "RidOZIZUZ", "", "group"));
  Machine probe;
  probe.values = {{"|Vortel|LastUser", "Master"},
                  {"Software\\Borland\\Engine|DLLPATH", "C:\\B"},
                  {"alias:VORTEL", ""},
                  {"group:RidOZIZUZ", ""}};
  for (const changes::RepairItem& item : changes::CheckInstallation(journal, probe))
    ADD_FAILURE() << "as installed, yet " << changes::RepairItemText(item);

  // The program deleted, a byte of the help flipped with its size and time kept, the library's
  // folder gone, the shared library replaced by another product, the data changed by the user,
  // an alias removed and a profile value changed.
  std::filesystem::remove(app + "/VORTEL.EXE");
  const auto help_time = std::filesystem::last_write_time(app + "/VORTEL.HLP");
  machine.Write("App/VORTEL.HLP", "the hElp");
  std::filesystem::last_write_time(app + "/VORTEL.HLP", help_time);
  std::filesystem::remove_all(app + "/SUB");
  machine.Write("shared.dll", "another product's newer version");
  machine.Write("Data/VORTEL.DB", "the user's records");
  probe.values.erase("alias:VORTEL");
  probe.values["|Vortel|LastUser"] = "Someone";
  probe.values["Software\\Borland\\Engine|UseCount"] = "7";
  probe.hashed = 0;
  std::vector<std::string> found;
  for (const changes::RepairItem& item : changes::CheckInstallation(journal, probe)) {
    found.push_back(changes::RepairItemText(item) +
                    (changes::RepairedByDefault(item) ? "" : " (left)"));
  }
  const std::vector<std::string> expected = {
      app + "\\VORTEL.EXE: lipseste",
      app + "\\VORTEL.HLP: schimbat",
      app + "\\SUB: lipseste",
      app + "\\SUB\\X.DLL: lipseste",
      machine.File("shared.dll") + ": schimbat de alt program (nu este al produsului) (left)",
      "WIN.INI [Vortel] LastUser: schimbat",
      "aliasul VORTEL: sters de alt program",
  };
  EXPECT_EQ(found, expected);
  EXPECT_EQ(probe.hashed, 1) << "only a file of its own size is read";
}
