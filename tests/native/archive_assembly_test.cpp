#include "copy/archive_assembly.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "os/sha256.h"
#include "support/temp_dir.h"
#include "unzip/crc32.h"

using testing_support::TempDir;
namespace fs = std::filesystem;
using namespace copy;
using namespace os;

namespace {

// A drive whose disk the test changes when the prompt asks for one.
class FakeDrive : public AssemblyHost {
 public:
  explicit FakeDrive(const TempDir& drive) : drive_(drive) {}

  void SetStatus(const std::string& text) override { statuses.push_back(text); }
  void SetGaugeMax(int max) override { gauge_max = max; }
  void SetGaugePosition(int position) override { gauge.push_back(position); }
  int AskForDisk(int, const std::string& text) override {
    prompts.push_back(text);
    if (answers.empty()) return 2;
    const int disk = answers.front();
    answers.erase(answers.begin());
    if (disk == 0) return 2;
    Insert(disk);
    return 1;
  }
  void SetMessageSuffix(const std::string& s) override { suffix = s; }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  void ShowWarning(const std::string& text) override { errors.push_back(text); }
  void ShowPlainMessage(const std::string& text) override { errors.push_back(text); }
  bool IsRemovableDrive(const std::string&) override { return removable; }
  // Each Retry inserts the disk of `retry_disks` first (0 for Cancel) after mending it.
  bool AskRetry(const std::string& text, const std::string&) override {
    questions.push_back(text);
    if (retry_disks.empty() || retry_disks.front() == 0) return false;
    const int disk = retry_disks.front();
    retry_disks.erase(retry_disks.begin());
    if (mend) mend();
    Insert(disk);
    return true;
  }

  void AddFile(int disk, const std::string& name, const std::string& content) {
    disks[disk][name] = content;
  }
  void Insert(int disk) {
    for (const auto& e : fs::directory_iterator(drive_.path())) fs::remove_all(e.path());
    for (const auto& [name, content] : disks[disk]) drive_.Write(name, content);
  }

  std::map<int, std::map<std::string, std::string>> disks;
  std::vector<int> answers;  // the disk inserted at each prompt; 0 cancels
  std::vector<int> retry_disks;
  std::function<void()> mend;
  std::vector<std::string> statuses, prompts, errors, questions;
  std::vector<int> gauge;
  int gauge_max = -1;
  std::string suffix;
  bool removable = true;

 private:
  const TempDir& drive_;
};

class Assembly : public ::testing::Test {
 protected:
  void SetUp() override {
    state.SourceDir = drive.path().string() + "\\";
    state.ProgramDir = state.ProgramDirOffered = program.path().string();
    state.InstallType = itLocal;
    state.DiskCount = 3;
  }
  AssemblyResult Run(const TSelection& selection = kFreshSelection,
                     const MediaManifest* media = nullptr) {
    TArchiveAssembler assembler(state, host, selection, media);
    return assembler.AssembleArchives();
  }
  TempDir drive, program;
  TInstallState state;
  FakeDrive host{drive};
};

}  // namespace

TEST_F(Assembly, ThreeFloppiesWithAPieceSplitAcrossTwoDisks) {
  host.AddFile(1, "DISK1", "");
  host.AddFile(1, "EXE.1", "exe-first|");
  host.AddFile(1, "ROVANEL.1", "rovanel");
  host.AddFile(1, "INSTALL.EXE", "MZ");
  host.AddFile(2, "DISK2", "");
  host.AddFile(2, "EXE.2", "exe-second");
  host.AddFile(3, "DISK3", "");
  host.AddFile(3, "BDE32.1", "bde");
  host.AddFile(3, "README.TXT", "no");
  host.AddFile(3, "EXE.ZIP", "not a piece");
  host.Insert(1);
  host.answers = {3, 2, 3};  // the wrong disk first: the prompt comes again

  ASSERT_EQ(Run(), AssemblyResult::kDone);
  EXPECT_EQ(program.Read("EXE.ZIP"), "exe-first|exe-second");
  EXPECT_EQ(program.Read("ROVANEL.ZIP"), "rovanel");
  EXPECT_EQ(program.Read("BDE32.ZIP"), "bde");
  EXPECT_EQ(host.prompts.size(), 3u);
  EXPECT_EQ(host.prompts[0], "introdu discul de instalare cu numarul \r2");
  EXPECT_EQ(host.suffix, "Pentru continuare");
  EXPECT_EQ(host.gauge_max, 3);
  EXPECT_EQ(host.gauge, (std::vector<int>{0, 1, 2, 2, 3, 3, 4}));
  EXPECT_EQ(host.statuses.front(), "Asamblare arhive...");
  EXPECT_EQ(state.SourceDir, drive.path().string()) << "trailing separator removed";
}

TEST_F(Assembly, CancelAtTheThirdDiskKeepsWhatWasAssembled) {
  host.AddFile(1, "DISK1", "");
  host.AddFile(1, "EXE.1", "a");
  host.AddFile(2, "DISK2", "");
  host.AddFile(2, "HELP.1", "h");
  host.Insert(1);
  host.answers = {2, 0};
  EXPECT_EQ(Run(), AssemblyResult::kCancelled);
  EXPECT_TRUE(program.Exists("EXE.ZIP"));
  EXPECT_TRUE(program.Exists("HELP.ZIP"));
}

// With a manifest every piece is checked as it is copied: a damaged one is named with its disk
// and read again from the disk the person inserts; a missing one is asked for; the archive never
// holds the damaged bytes.
TEST_F(Assembly, PiecesAreCheckedAgainstTheManifestAndReadAgain) {
  const std::string first = "exe-first|", second = "exe-second", help = "help";
  MediaManifest media;
  const auto crc = [](const std::string& s) {
    return unzip::Crc32(reinterpret_cast<const uint8_t*>(s.data()), s.size());
  };
  media.pieces["EXE.1"] = {1, static_cast<int64_t>(first.size()), crc(first)};
  media.pieces["EXE.2"] = {2, static_cast<int64_t>(second.size()), crc(second)};
  media.pieces["HELP.1"] = {2, static_cast<int64_t>(help.size()), crc(help)};
  state.DiskCount = 2;
  host.AddFile(1, "DISK1", "");
  host.AddFile(1, "EXE.1", first);
  host.AddFile(2, "DISK2", "");
  host.AddFile(2, "EXE.2", "exe-sEcond");  // one flipped byte
  host.Insert(1);
  host.answers = {2};
  // The first Retry finds HELP.1 still missing; the disk is mended before the second.
  host.retry_disks = {2, 2, 2};
  int mended = 0;
  host.mend = [&] {
    if (++mended == 2) host.AddFile(2, "HELP.1", help);
    if (mended == 3) host.AddFile(2, "EXE.2", second);
  };

  ASSERT_EQ(Run(kFreshSelection, &media), AssemblyResult::kDone);
  ASSERT_EQ(host.questions.size(), 3u);
  EXPECT_EQ(
      host.questions[0].rfind("Lipseste HELP.1 de pe discul 2.\rIntroduceti din nou discul 2", 0),
      0u)
      << host.questions[0];
  EXPECT_EQ(host.questions[2].rfind("EXE.2 de pe discul 2 este deteriorat.", 0), 0u)
      << host.questions[2];
  EXPECT_EQ(program.Read("EXE.ZIP"), first + second);
  EXPECT_EQ(program.Read("HELP.ZIP"), help);

  // Cancel: the archive is cut back to the pieces that were whole.
  host.disks[2]["EXE.2"] = "exe-seconD";
  host.Insert(1);
  host.answers = {2};
  host.retry_disks = {0};
  host.mend = nullptr;
  EXPECT_EQ(Run(kFreshSelection, &media), AssemblyResult::kCancelled);
  EXPECT_EQ(program.Read("EXE.ZIP"), first);
}

// A signed manifest: a piece whose bytes keep their size and CRC-32 but not their SHA-256 was
// changed on purpose and is refused as not the publisher's, Retry reading the disk again; a
// piece it does not name is refused before its disk is copied; and each archive is checked
// whole, which catches pieces the disk count left out.
TEST_F(Assembly, SignedPiecesAreTheOnesThePublisherSigned) {
  const std::string first = "exe-first|", second = "exe-second", changed = "exe-SECOND";
  const auto crc = [](const std::string& s) {
    return unzip::Crc32(reinterpret_cast<const uint8_t*>(s.data()), s.size());
  };
  MediaManifest media;
  media.proven = true;
  // The changed piece's CRC-32 is set back to the listed one, as an attacker's padding does.
  media.pieces["EXE.1"] = {1, static_cast<int64_t>(first.size()), crc(first), Sha256Of(first)};
  media.pieces["EXE.2"] = {2, static_cast<int64_t>(changed.size()), crc(changed), Sha256Of(second)};
  media.archives["EXE"] = {100, 2, Sha256Of(first + second)};
  state.DiskCount = 2;
  host.AddFile(1, "DISK1", "");
  host.AddFile(1, "EXE.1", first);
  host.AddFile(1, "HELP.1", "not in the list");
  host.AddFile(2, "DISK2", "");
  host.AddFile(2, "EXE.2", changed);
  host.Insert(1);
  host.answers = {2};
  host.retry_disks = {1, 2, 0};
  host.mend = [&] { host.disks[1].erase("HELP.1"); };

  EXPECT_EQ(Run(kFreshSelection, &media), AssemblyResult::kCancelled);
  ASSERT_EQ(host.questions.size(), 3u);
  EXPECT_EQ(host.questions[0],
            "HELP.1 de pe discul 1 nu este in lista semnata de editor:\r"
            "kitul de instalare nu este al editorului RidOZIZUZ.\r"
            "Introduceti din nou discul 1 si apasati Retry.");
  EXPECT_FALSE(program.Exists("HELP.ZIP")) << "nothing of an unlisted piece is copied";
  EXPECT_EQ(host.questions[1].rfind("EXE.2 de pe discul 2 nu este cel semnat de editor:\r"
                                    "kitul de instalare nu este al editorului RidOZIZUZ.",
                                    0),
            0u)
      << host.questions[1];
  EXPECT_EQ(host.questions[2], host.questions[1]) << "Retry reads the disk again";
  EXPECT_EQ(program.Read("EXE.ZIP"), first) << "the changed bytes are taken off";

  // The good disk joins; a disk count that leaves out the disk of a piece leaves the archive
  // short.
  host.disks[2]["EXE.2"] = second;
  media.pieces["EXE.2"] = {2, static_cast<int64_t>(second.size()), crc(second), Sha256Of(second)};
  host.Insert(1);
  host.answers = {2};
  host.errors.clear();
  EXPECT_EQ(Run(kFreshSelection, &media), AssemblyResult::kDone);
  EXPECT_EQ(program.Read("EXE.ZIP"), first + second);
  EXPECT_TRUE(host.errors.empty());

  media.pieces["EXE.2"].disk = 3;
  host.disks[3] = {{"DISK3", ""}, {"EXE.2", second}};
  host.disks[2].erase("EXE.2");
  host.Insert(1);
  host.answers = {2};
  EXPECT_EQ(Run(kFreshSelection, &media), AssemblyResult::kFailed);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0],
            "EXE.ZIP, asamblata de pe discuri, nu este arhiva semnata de editor:\r"
            "kitul de instalare nu este al editorului RidOZIZUZ.");
}

TEST_F(Assembly, FixedMediaIsOneDiskButStillNeedsItsMarker) {
  host.removable = false;
  host.AddFile(1, "EXE.1", "a");
  host.Insert(1);
  host.AddFile(1, "DISK1", "");
  host.answers = {1};
  ASSERT_EQ(Run(), AssemblyResult::kDone);
  EXPECT_EQ(state.DiskCount, 1);
  EXPECT_EQ(host.prompts.size(), 1u);
}

TEST_F(Assembly, SelectionAndNamesOnTheMedium) {
  state.InstallType = itClient;
  host.AddFile(1, "DISK1", "");
  host.AddFile(1, "exe.1", "lower");
  host.AddFile(1, "DBDAT.1", "client takes no database");
  host.AddFile(1, "DISK2", "");
  host.Insert(1);
  state.DiskCount = 1;
  ASSERT_EQ(Run(), AssemblyResult::kDone);
  EXPECT_EQ(program.Read("exe.ZIP"), "lower");
  EXPECT_FALSE(program.Exists("DBDAT.ZIP"));
}

TEST_F(Assembly, TenOrMorePiecesOfOneArchiveJoinInNumericOrder) {
  state.DiskCount = 1;
  host.AddFile(1, "DISK1", "");
  std::string expected;
  for (int i = 1; i <= 12; ++i) {
    host.AddFile(1, "TESKARD." + std::to_string(i), "<" + std::to_string(i) + ">");
    expected += "<" + std::to_string(i) + ">";
  }
  host.Insert(1);
  ASSERT_EQ(Run(), AssemblyResult::kDone);
  EXPECT_EQ(program.Read("TESKARD.ZIP"), expected);
}

TEST_F(Assembly, PiecesLargerThanTheBufferAndALaterPieceWithoutItsFirst) {
  state.DiskCount = 1;
  std::string big(60001, 'b');
  big[25000] = 'X';
  host.AddFile(1, "DISK1", "");
  host.AddFile(1, "HELP.1", big);
  host.AddFile(1, "HELP.2", "tail");
  host.AddFile(1, "TESKARD.2", "orphan");
  host.Insert(1);
  ASSERT_EQ(Run(), AssemblyResult::kDone);
  EXPECT_EQ(program.Read("HELP.ZIP"), big + "tail");
  EXPECT_FALSE(program.Exists("TESKARD.ZIP"));
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(Assembly, AnArchiveThatCannotBeWrittenStopsWithItsName) {
  state.DiskCount = 1;
  state.ProgramDirOffered = program.File("missing");
  host.AddFile(1, "DISK1", "");
  host.AddFile(1, "EXE.1", "a");
  host.AddFile(1, "HELP.1", "h");
  host.Insert(1);
  EXPECT_EQ(Run(), AssemblyResult::kFailed);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_NE(host.errors[0].find("EXE.ZIP"), std::string::npos) << host.errors[0];
}

TEST_F(Assembly, NoInstallationTypeStillAsksForEveryDisk) {
  state.InstallType = itNone;
  state.DiskCount = 2;
  host.AddFile(1, "DISK1", "");
  host.AddFile(1, "EXE.1", "a");
  host.AddFile(2, "DISK2", "");
  host.Insert(1);
  host.answers = {2};
  ASSERT_EQ(Run(), AssemblyResult::kDone);
  EXPECT_EQ(host.prompts.size(), 1u);
  EXPECT_FALSE(program.Exists("EXE.ZIP"));
}

TEST_F(Assembly, RemovalTakesEveryZipInTheProgramDirectory) {
  program.Write("EXE.ZIP", "x");
  program.Write("old.zip", "x");
  program.Write("VORTEL.EXE", "x");
  TArchiveAssembler assembler(state, host, kFreshSelection);
  assembler.RemoveAssembledArchives();
  EXPECT_FALSE(program.Exists("EXE.ZIP"));
  EXPECT_FALSE(program.Exists("old.zip"));
  EXPECT_TRUE(program.Exists("VORTEL.EXE"));
}

TEST(PieceOrder, ByArchiveThenNumber) {
  EXPECT_EQ(OrderPieces({"EXE.10", "exe.2", "EXE.1", "BDE32.1", "EXE.2"}),
            (std::vector<std::string>{"BDE32.1", "EXE.1", "exe.2", "EXE.10"}));
}
