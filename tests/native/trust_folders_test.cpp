// What the elevated installer makes for itself: the descriptors its folders and its mutex get,
// the run's own folder, and files it writes without following a link.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "app/run_folder.h"
#include "log/debug_log.h"
#include "os/os.h"
#include "os/trust_boundary.h"
#include "support/temp_dir.h"

using testing_support::TempDir;

namespace {

// One allow entry of a descriptor's DACL: who, what rights, inherited by what.
struct Ace {
  std::string flags;
  uint32_t rights = 0;
};

constexpr uint32_t kFullControl = 0x1f01ff;
constexpr uint32_t kRead = 0x1, kExecute = 0x20;
constexpr uint32_t kWriteData = 0x2, kDelete = 0x10000;
// What no user may have anywhere: the rights to change rights or owners.
constexpr uint32_t kWriteDac = 0x40000, kWriteOwner = 0x80000;
// What a user who only reads and runs may not have: any kind of writing or deleting.
constexpr uint32_t kAnyWrite = 0x2 | 0x4 | 0x10 | 0x40 | 0x100 | kDelete | kWriteDac | kWriteOwner;

// The DACL of an SDDL text "D:P(A;flags;rights;;;trustee)...", by trustee; it must be protected
// and hold allow entries only.
std::map<std::string, Ace> AllowEntries(const std::string& sddl) {
  std::map<std::string, Ace> entries;
  EXPECT_EQ(sddl.rfind("D:P(", 0), 0u) << sddl << ": protected, nothing inherited from above";
  size_t at = sddl.find('(');
  while (at != std::string::npos) {
    const size_t end = sddl.find(')', at);
    std::vector<std::string> parts(1);
    for (const char c : sddl.substr(at + 1, end - at - 1)) {
      if (c == ';') {
        parts.emplace_back();
      } else {
        parts.back() += c;
      }
    }
    EXPECT_EQ(parts.size(), 6u) << sddl;
    EXPECT_EQ(parts[0], "A") << sddl;
    const std::string& rights = parts[2];
    const uint32_t mask = rights == "FA" || rights == "GA"
                              ? kFullControl
                              : static_cast<uint32_t>(std::stoul(rights, nullptr, 16));
    EXPECT_EQ(entries.count(parts[5]), 0u) << sddl << ": one entry per trustee";
    entries[parts[5]] = {parts[1], mask};
    at = sddl.find('(', end);
  }
  return entries;
}

// A path the product spells, as this system's file functions take it.
std::filesystem::path Fs(std::string path) {
#ifndef _WIN32
  std::replace(path.begin(), path.end(), '\\', '/');
#endif
  return path;
}

}  // namespace

TEST(TrustDescriptors, OnlyAdministratorsAndSystemControlAndUsersGetWhatTheyNeed) {
  const std::string kFolders[] = {trust::kRunFolderSddl, trust::kRecordsFolderSddl,
                                  trust::kProgramFolderSddl, trust::kDataFolderSddl};
  for (const std::string& folder : kFolders) {
    const std::map<std::string, Ace> entries = AllowEntries(folder);
    std::set<std::string> trustees;
    for (const auto& [trustee, ace] : entries) {
      trustees.insert(trustee);
      EXPECT_EQ(ace.flags, "OICI") << folder << ": what is made inside inherits it";
    }
    EXPECT_EQ(entries.at("BA").rights, kFullControl) << folder;
    EXPECT_EQ(entries.at("SY").rights, kFullControl) << folder;
    trustees.erase("BA");
    trustees.erase("SY");
    trustees.erase("BU");
    EXPECT_TRUE(trustees.empty()) << folder << ": nobody but Administrators, SYSTEM and Users";
  }
  EXPECT_EQ(AllowEntries(trust::kRunFolderSddl).count("BU"), 0u);
  EXPECT_EQ(AllowEntries(trust::kRecordsFolderSddl).count("BU"), 0u);
  const uint32_t program = AllowEntries(trust::kProgramFolderSddl).at("BU").rights;
  EXPECT_EQ(program & (kRead | kExecute), kRead | kExecute) << "users read and run the program";
  EXPECT_EQ(program & kAnyWrite, 0u) << "users change nothing in the program directory";
  const uint32_t data = AllowEntries(trust::kDataFolderSddl).at("BU").rights;
  EXPECT_EQ(data & (kRead | kWriteData | kDelete), kRead | kWriteData | kDelete)
      << "users change their data";
  EXPECT_EQ(data & (kWriteDac | kWriteOwner), 0u) << "but not who may";

  const std::map<std::string, Ace> mutex = AllowEntries(trust::kSetupMutexSddl);
  EXPECT_EQ(mutex.size(), 2u);
  EXPECT_EQ(mutex.at("BA").rights, kFullControl);
  EXPECT_EQ(mutex.at("SY").rights, kFullControl);
}

TEST(RunFolder, EachRunGetsANewFolderWhoseNameNobodyCanMakeFirst) {
  TempDir temp;
  const std::optional<std::string> first = trust::MakeRunFolder(temp.str());
  const std::optional<std::string> second = trust::MakeRunFolder(temp.str());
  ASSERT_TRUE(first && second);
  EXPECT_NE(*first, *second);
  for (const std::string& folder : {*first, *second}) {
    EXPECT_TRUE(std::filesystem::is_directory(Fs(folder))) << folder;
    EXPECT_TRUE(IsRunFolder(folder)) << folder;
  }
  EXPECT_FALSE(trust::MakeDirectoryWithDescriptor(*first, trust::kRunFolderSddl))
      << "a name that exists is never taken as it is";
  const std::string file = *first + "\\INSTVORT.CFG";
  EXPECT_TRUE(os::File::Open(file, os::OpenMode::kCreateNew));
  EXPECT_FALSE(os::File::Open(file, os::OpenMode::kCreateNew)) << "every file in it is new";
  // Windows reads each descriptor (Wine keeps none on files, but parses them as Windows does).
  const char* const kOthers[] = {trust::kRecordsFolderSddl, trust::kProgramFolderSddl,
                                 trust::kDataFolderSddl};
  int made = 0;
  for (const char* sddl : kOthers) {
    EXPECT_TRUE(trust::MakeDirectoryWithDescriptor(temp.str() + std::to_string(++made), sddl))
        << sddl;
  }

  const std::string name = trust::RunFolderName({0x00, 0x1f, 0xa0, 0xff});
  EXPECT_EQ(name, "RidOZIZUZ-001FA0FF000000000000000000000000");
  EXPECT_TRUE(trust::IsRunFolderName(name));
  for (const std::string& wrong :
       {name.substr(0, name.size() - 1), name + "0",
        std::string("RidOZIZUZ-001fa0ff000000000000000000000000"),
        std::string("RidOZIZUZ-001FA0FF00000000000000000000000G"), std::string("Temp")})
    EXPECT_FALSE(trust::IsRunFolderName(wrong)) << wrong;
}

TEST(RunFolder, RemovalTakesAllButTheLogAndNothingALinkNames) {
  TempDir temp, outside;
  const std::string folder = trust::MakeRunFolder(temp.str()).value();
  const std::filesystem::path dir = Fs(folder);
  std::filesystem::create_directories(dir / "INSTVORT.BAK" / "deeper");
  for (const char* name : {"INSTVORT.EXE", "INSTVORT.JRN", "INSTVORT.BAK/1.BAK",
                           "INSTVORT.BAK/deeper/x", kDebugFallbackName})
    std::ofstream(dir / name) << "run";
  RemoveRunFolder(folder, false);
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    left.push_back(entry.path().filename().string());
  EXPECT_EQ(left, std::vector<std::string>{kDebugFallbackName}) << "the log stays for its reader";
  std::filesystem::remove(dir / kDebugFallbackName);
  RemoveRunFolder(folder, false);
  EXPECT_FALSE(std::filesystem::exists(dir));

#ifndef _WIN32
  // Wine's links are made from outside it, by the end-to-end runs.
  outside.Write("kept.txt", "not the run's");
  const std::string linked = trust::MakeRunFolder(temp.str()).value();
  std::filesystem::create_directory_symlink(outside.path(), Fs(linked) / "INSTVORT.BAK");
  RemoveRunFolder(linked, false);
  EXPECT_EQ(outside.Read("kept.txt"), "not the run's");
#endif

  temp.Write("Temp/INSTVORT.EXE", "a folder of another kind");
  RemoveRunFolder(temp.File("Temp"), false);
  EXPECT_TRUE(temp.Exists("Temp/INSTVORT.EXE"));
}

TEST(LinkedFile, AppendingNeverWritesThroughALink) {
  TempDir dir, outside;
  outside.Write("system.ini", "[boot]\r\n");
  EXPECT_EQ(trust::AppendWithoutLinks(dir.File("log.txt"), "one "), trust::Appended::kWritten);
  EXPECT_EQ(trust::AppendWithoutLinks(dir.File("log.txt"), "two"), trust::Appended::kWritten);
  EXPECT_EQ(dir.Read("log.txt"), "one two");

  std::filesystem::create_hard_link(outside.File("system.ini"), dir.File("hard.log"));
  EXPECT_EQ(trust::AppendWithoutLinks(dir.File("hard.log"), "x"), trust::Appended::kLink);
#ifndef _WIN32
  std::filesystem::create_symlink(outside.File("system.ini"), dir.File("soft.log"));
  EXPECT_EQ(trust::AppendWithoutLinks(dir.File("soft.log"), "x"), trust::Appended::kLink);
  std::filesystem::create_symlink(outside.File("new.dll"), dir.File("dangling.log"));
  EXPECT_EQ(trust::AppendWithoutLinks(dir.File("dangling.log"), "x"), trust::Appended::kLink);
  EXPECT_FALSE(outside.Exists("new.dll")) << "nothing made where a link points";
#endif
  EXPECT_EQ(outside.Read("system.ini"), "[boot]\r\n");
}
