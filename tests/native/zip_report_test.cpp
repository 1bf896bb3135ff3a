// Report sequences, callbacks, filters and the safety rules of archive extraction.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "os/os.h"
#include "support/temp_dir.h"
#include "support/zip_builder.h"
#include "unzip/brask_unzip.h"
#include "unzip/extract_entry.h"
#include "unzip/file_specs.h"
#include "unzip/unzip_hooks.h"
#include "unzip/unzip_state.h"
#include "unzip/zip_archive.h"

namespace {

using testing_support::TempDir;
using testing_support::ZipBuilder;

struct Seen {
  int32_t code;
  int32_t status;
  uint16_t method;
  int32_t size;
  std::string name;
};

std::vector<Seen>& Log() {
  static std::vector<Seen> log;
  return log;
}

void Record(int32_t code, unzip::TUnzipReport* r) {
  Log().push_back({code, r->status, r->method, r->size, r->name});
}

std::vector<int32_t> Codes() {
  std::vector<int32_t> codes;
  for (const Seen& s : Log()) codes.push_back(s.code);
  return codes;
}

class ArchiveTest : public testing::Test {
 protected:
  void SetUp() override { Log().clear(); }
  void TearDown() override {
    unzip::SetKeyDownHook(nullptr);
    unzip::SetProgressHook(nullptr);
  }

  std::string Write(const ZipBuilder& b, const std::string& name = "test.zip") {
    temp_.Write(name, b.Build());
    return temp_.File(name);
  }
  int32_t Extract(const std::string& archive, const std::string& specs = "*.*",
                  unzip::ConfirmCallback confirm = nullptr) {
    unzip_.SetFileName(archive);
    unzip_.SetDirectoryName(temp_.File("out"));
    unzip_.SetFileSpecs(specs);
    unzip_.SetReportCallback(Record);
    unzip_.SetConfirmCallback(confirm);
    return unzip_.ExtractAll();
  }
  std::string Out(const std::string& name) { return temp_.Read("out/" + name); }

  TempDir temp_;
  unzip::TBraskUnzip unzip_;
};

TEST_F(ArchiveTest, ReportsStartEntriesAndEndInOrderWithBlocksOfTheWorkBuffer) {
  std::string big(100000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 + i / 251);
  const std::string archive = Write(ZipBuilder().Stored("BIG.BIN", big).Stored("A.TXT", "abc"));
  EXPECT_EQ(Extract(archive), 2);
  EXPECT_EQ(Codes(), (std::vector<int32_t>{-1004, -1000, 32768, 32768, 32768, 1696, -1002, -1000, 3,
                                           -1002, -1005}));
  EXPECT_EQ(Log().front().name, archive);
  EXPECT_EQ(Log().front().size, 100003);
  EXPECT_EQ(Log()[2].status, -1001);
  EXPECT_EQ(Log().back().status, -1005);
  EXPECT_EQ(Log().back().size, 100003);
  EXPECT_EQ(Log().back().name, archive);
  EXPECT_EQ(Out("BIG.BIN"), big);
  EXPECT_EQ(Out("A.TXT"), "abc");
}

TEST_F(ArchiveTest, SpecsChooseTheEntriesAndTheEndReportTotalsOnlyThose) {
  const std::string archive = Write(ZipBuilder()
                                        .Stored("VORTEL.EXE", "program")
                                        .Stored("README.TXT", "text")
                                        .Stored("SUB\\NOTE.TXT", "note"));
  EXPECT_EQ(Extract(archive, "*.TXT"), 2);
  EXPECT_FALSE(temp_.Exists("out/VORTEL.EXE"));
  EXPECT_EQ(Out("SUB/NOTE.TXT"), "note");
  EXPECT_EQ(Log().back().size, 8);

  EXPECT_TRUE(unzip::MatchesFileSpecs("", "ANY.DAT"));
  EXPECT_TRUE(unzip::MatchesFileSpecs("*.*", "ANY"));
  EXPECT_TRUE(unzip::MatchesFileSpecs("*.dll", "sub\\Idapi.DLL"));
  EXPECT_FALSE(unzip::MatchesFileSpecs("*.DLL", "IDAPI.DLLX"));
  EXPECT_TRUE(unzip::MatchesFileSpecs("VORT*", "VORTEL.EXE"));
  EXPECT_TRUE(unzip::MatchesFileSpecs("VORT*.*", "vortel.exe"));
  EXPECT_TRUE(unzip::MatchesFileSpecs("VORTE?", "VORTEL.EXE") == false);
  EXPECT_TRUE(unzip::MatchesFileSpecs("VORTE?*", "VORTE?X.EXE"));
  EXPECT_FALSE(unzip::MatchesFileSpecs("VORT*", "VOR.EXE"));
  EXPECT_TRUE(unzip::MatchesFileSpecs("UPGRADE.DLL", "upgrade.dll"));
  EXPECT_FALSE(unzip::MatchesFileSpecs("UPGRADE.DLL", "SUB\\UPGRADE.DLL"));
}

TEST_F(ArchiveTest, DeclinedOverwriteKeepsTheFileAndCountsTheEntryAsDone) {
  const std::string archive =
      Write(ZipBuilder().Stored("KEEP.DB", "new data").Stored("N.TXT", "n"));
  temp_.Write("out/KEEP.DB", "old");
  static int asked;
  asked = 0;
  EXPECT_EQ(Extract(archive, "*.*",
                    [](unzip::TUnzipReport* r) {
                      ++asked;
                      EXPECT_NE(std::string(r->name).find("KEEP.DB"), std::string::npos);
                      return false;
                    }),
            2);
  EXPECT_EQ(asked, 1);  // only for the file that exists
  EXPECT_EQ(Out("KEEP.DB"), "old");
  EXPECT_EQ(Codes(), (std::vector<int32_t>{-1004, -1000, 8, -1002, -1000, 1, -1002, -1005}));
  EXPECT_EQ(Log()[2].status, -1001);
  EXPECT_EQ(Log()[2].method, 9);
}

TEST_F(ArchiveTest, EntryErrorsEndTheArchiveWithAnErrorReportAndTheCountSoFar) {
  ZipBuilder b;
  b.Stored("FIRST.TXT", "one").Stored("REDUCED.TXT", "xx");
  b.last().method = 3;
  b.Stored("AFTER.TXT", "never");
  EXPECT_EQ(Extract(Write(b)), 1);
  EXPECT_EQ(Codes(), (std::vector<int32_t>{-1004, -1000, 3, -1002, -1000, -6, -1005}));
  EXPECT_EQ(Log()[5].status, -1003);
  EXPECT_FALSE(temp_.Exists("out/AFTER.TXT"));

  Log().clear();
  ZipBuilder locked;
  locked.Stored("SECRET.TXT", "x");
  locked.last().flags = 1;
  EXPECT_EQ(Extract(Write(locked, "enc.zip")), 0);
  EXPECT_EQ(Log()[2].code, -7);
}

TEST_F(ArchiveTest, CrcErrorLeavesAnExistingFileAsItWas) {
  ZipBuilder b;
  b.Stored("DATA.DB", "fresh contents");
  b.last().crc ^= 1;
  temp_.Write("out/DATA.DB", "the user's data");
  EXPECT_EQ(Extract(Write(b)), 0);
  EXPECT_EQ(Log()[Log().size() - 2].code, -1);
  EXPECT_EQ(Out("DATA.DB"), "the user's data");
  EXPECT_EQ(std::filesystem::directory_iterator(temp_.path() / "out")->path().filename(),
            "DATA.DB");  // no scratch file left behind
}

TEST_F(ArchiveTest, AnExtractedFileCarriesTheTimeOfItsEntryAlsoWhenItReplacesOne) {
  ZipBuilder b;
  b.Stored("NEW.TXT", "new").Stored("OLD.TXT", "replaced");
  b.last().time_date = 0x582F528F;  // 2024-01-15 10:20:30, local time
  temp_.Write("out/OLD.TXT", "old");
  EXPECT_EQ(Extract(Write(b)), 2);
  std::tm when = {};
  when.tm_year = 124;
  when.tm_mday = 15;
  when.tm_hour = 10;
  when.tm_min = 20;
  when.tm_sec = 30;
  when.tm_isdst = -1;
  struct stat st;
  ASSERT_EQ(stat(temp_.File("out/OLD.TXT").c_str(), &st), 0);
  EXPECT_EQ(st.st_mtime, std::mktime(&when));
  EXPECT_EQ(Out("OLD.TXT"), "replaced");
}

TEST_F(ArchiveTest, FormatErrorStopsWithoutAnEndReport) {
  std::string raw = ZipBuilder().Stored("A.TXT", "aaa").Build();
  // The directory entry now points into the middle of the local header.
  raw[raw.find("PK\x01\x02") + 42] = 5;
  temp_.Write("bad.zip", raw);
  EXPECT_EQ(Extract(temp_.File("bad.zip")), -100);
  EXPECT_EQ(Codes(), (std::vector<int32_t>{-1004, -1000, -100}));
  EXPECT_EQ(Log().back().status, -100);
}

TEST_F(ArchiveTest, DirectoryEntriesAndMissingDirectoriesAreCreated) {
  const std::string archive =
      Write(ZipBuilder().Stored("DATA/", "").Stored("SUB/DEEP/A.TXT", "a").Stored("B.TXT", "b"));
  EXPECT_EQ(Extract(archive), 3);
  EXPECT_TRUE(std::filesystem::is_directory(temp_.path() / "out" / "DATA"));
  EXPECT_EQ(Out("SUB/DEEP/A.TXT"), "a");
}

TEST_F(ArchiveTest, NamesThatLeaveTheDestinationOrOverflowAreRefusedAsUnwritable) {
  for (const std::string& bad : std::vector<std::string>{
           "../UP.TXT", "SUB/../../UP.TXT", "..\\UP.TXT", "/ROOT.TXT", "\\ROOT.TXT", "C:/DRIVE.TXT",
           "SUB/.. /UP.TXT", "A.TXT:stream", std::string(300, 'N')}) {
    Log().clear();
    temp_.Write("out/.keep", "");
    const std::string archive = Write(ZipBuilder().Stored("OK.TXT", "ok").Stored(bad, "evil"));
    EXPECT_EQ(Extract(archive), 1) << bad;
    EXPECT_EQ(Log()[Log().size() - 2].code, -2) << bad;
    EXPECT_EQ(Log()[Log().size() - 2].status, -1003) << bad;
    EXPECT_FALSE(temp_.Exists("UP.TXT"));
  }
}

TEST_F(ArchiveTest, DeepDirectoriesAreMadeAndARefusedNameStopsOnlyItsEntry) {
  // Directories of any depth: 90 characters of one directory, and a target over the 259 of the
  // old engine (an entry name of 249 bytes below the destination).
  const std::string deep = std::string(90, 'D') + "/F.TXT";
  std::string deeper;
  for (int i = 0; i < 3; ++i) deeper += std::string(60, static_cast<char>('a' + i)) + "/";
  deeper += std::string(45, 'd') + "/Vânzări Țară.TXT";
  const std::string archive = Write(ZipBuilder()
                                        .Stored(deep, "f")
                                        .Stored("../UP.TXT", "evil")
                                        .Stored(deeper, "g")
                                        .Stored("LAST.TXT", "last"),
                                    "deep.zip");
  EXPECT_EQ(Extract(archive), 3);
  // Read and removed through the seam: the path is UTF-8 and longer than the narrow functions
  // take.
  const auto read_out = [this](std::string name) {
    for (char& c : name) c = c == '/' ? '\\' : c;
    const std::string path = temp_.str() + "out\\" + name;
    os::File file = os::File::Open(path, os::OpenMode::kRead);
    std::string text(16, '\0');
    const int32_t n = file ? file.Read(text.data(), 16) : 0;
    file.Close();
    os::RemoveFile(path);
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return text;
  };
  EXPECT_EQ(read_out(deep), "f");
  EXPECT_EQ(read_out(deeper), "g");
  EXPECT_EQ(read_out("LAST.TXT"), "last");
  for (std::string dir = deeper.substr(0, deeper.rfind('/')); !dir.empty();) {
    std::string path = temp_.str() + "out\\" + dir;
    for (char& c : path) c = c == '/' ? '\\' : c;
    EXPECT_TRUE(os::RemoveEmptyDirectory(path)) << dir;
    const size_t cut = dir.rfind('/');
    dir.resize(cut == std::string::npos ? 0 : cut);
  }
  // The refused entry is reported failed, and the archive goes on after it.
  int failed = 0;
  for (const auto& r : Log()) {
    if (r.status == -1003 && r.code == -2) {
      ++failed;
      EXPECT_NE(r.name.find("UP.TXT"), std::string::npos) << r.name;
    }
  }
  EXPECT_EQ(failed, 1);
  EXPECT_EQ(Log().back().status, -1005);
}

TEST_F(ArchiveTest, HoldingEscapeAbortsWithAFatalReport) {
  unzip::SetKeyDownHook([](int32_t key) { return key == 27; });
  const std::string archive = Write(ZipBuilder().Stored("BIG.BIN", std::string(200000, 'x')));
  EXPECT_EQ(Extract(archive), -100);
  EXPECT_EQ(Codes().back(), -100);
  EXPECT_FALSE(temp_.Exists("out/BIG.BIN"));
}

TEST_F(ArchiveTest, AProgressWindowThatAnswers65535AbortsTheEntry) {
  unzip::SetProgressHook([](unzip::WindowHandle, uint32_t id, uint16_t* percent) {
    EXPECT_EQ(id, 77u);
    *percent = 65535;
  });
  const std::string archive = Write(ZipBuilder().Stored("BIG.BIN", std::string(50000, 'x')));
  EXPECT_EQ(unzip::ExtractEntry(archive, temp_.File("big.bin"), 0, 1, 77), -5);
  EXPECT_FALSE(temp_.Exists("big.bin"));
}

TEST_F(ArchiveTest, ASecondExtractionDuringOneIsRefusedAsBusy) {
  static std::string inner_archive, inner_dest;
  static int32_t inner_result;
  static std::vector<int32_t> inner_codes;
  inner_archive = Write(ZipBuilder().Stored("IN.TXT", "inner"), "inner.zip");
  inner_dest = temp_.File("inner");
  inner_result = 1;
  inner_codes.clear();
  const std::string archive = Write(ZipBuilder().Stored("A.TXT", "a").Stored("B.TXT", "b"));
  unzip_.SetFileName(archive);
  unzip_.SetDirectoryName(temp_.File("out"));
  unzip_.SetReportCallback([](int32_t code, unzip::TUnzipReport* r) {
    Record(code, r);
    if (r->status == -1001 && inner_result == 1) {
      unzip::TBraskUnzip inner;
      inner.SetFileName(inner_archive);
      inner.SetDirectoryName(inner_dest);
      inner.SetReportCallback([](int32_t c, unzip::TUnzipReport*) { inner_codes.push_back(c); });
      inner_result = inner.ExtractAll();
    }
  });
  EXPECT_EQ(unzip_.ExtractAll(), 2);
  EXPECT_EQ(inner_result, -100);
  EXPECT_EQ(inner_codes, (std::vector<int32_t>{-1004, -1000, -100}));
  // The outer extraction carries on with its own callbacks and record.
  ASSERT_EQ(Codes(), (std::vector<int32_t>{-1004, -1000, 1, -1002, -1000, 1, -1002, -1005}));
  EXPECT_EQ(Log()[3].name, temp_.File("out") + "\\A.TXT");
}

TEST_F(ArchiveTest, AStaleBusyFlagIsIgnoredAfterThirtySeconds) {
  const std::string archive = Write(ZipBuilder().Stored("A.TXT", "a"));
  unzip::EngineState& engine = unzip::Engine();
  engine.busy = true;
  engine.last_pump_tick = os::TickCount() - 1000;
  EXPECT_EQ(unzip::ExtractEntry(archive, temp_.File("a.txt"), 0, 0, 0), -8);
  engine.last_pump_tick = os::TickCount() - 31000;
  EXPECT_EQ(unzip::ExtractEntry(archive, temp_.File("a.txt"), 0, 0, 0), 0);
  EXPECT_FALSE(engine.busy);
}

TEST_F(ArchiveTest, RecognisesArchivesByTheirFirstHeaderAndName) {
  const std::string archive = Write(ZipBuilder().Stored("A.TXT", "a"));
  EXPECT_TRUE(unzip::IsZipArchive(archive));
  temp_.Write("setup.exe.zip", temp_.Read("test.zip"));
  EXPECT_FALSE(unzip::IsZipArchive(temp_.File("setup.exe.zip")));
  temp_.Write("stub.zip", "MZ" + temp_.Read("test.zip"));
  EXPECT_FALSE(unzip::IsZipArchive(temp_.File("stub.zip")));
  EXPECT_FALSE(unzip::IsZipArchive(temp_.File("missing.zip")));
  EXPECT_EQ(Extract(temp_.File("missing.zip")), -12);
  EXPECT_TRUE(Log().empty());

  int32_t compressed = 0;
  const int32_t length = static_cast<int32_t>(temp_.Read("stub.zip").size());
  EXPECT_EQ(unzip::MeasureArchive(temp_.File("stub.zip"), compressed), length);
  EXPECT_EQ(compressed, length);
  EXPECT_EQ(unzip::MeasureArchive(temp_.File("missing.zip"), compressed), 0);
  EXPECT_EQ(compressed, 0);
}

TEST_F(ArchiveTest, ComponentNeedsItsArgumentsAndRefusesOverlongText) {
  unzip::TBraskUnzip unzip;
  EXPECT_EQ(unzip.FileSpecs(), "*.*");
  EXPECT_EQ(unzip.ExtractAll(), -500);
  unzip.SetFileName(temp_.File("x.zip"));
  EXPECT_EQ(unzip.ListEntries(), -500);  // no report callback
  unzip.SetDirectoryName(std::string(255, 'D'));
  EXPECT_EQ(unzip.DirectoryName(), "");
  EXPECT_EQ(unzip.ExtractAll(), -500);
  EXPECT_EQ(unzip::CompressionRatio(100, 17), 83);
  EXPECT_EQ(unzip::CompressionRatio(1, 3), 0);
  EXPECT_EQ(unzip::CompressionRatio(0, 0), 0);
}

}  // namespace
