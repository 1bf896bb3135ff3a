// Every archive of the shared fixture set against what its manifest expects.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "unzip/brask_unzip.h"
#include "unzip/crc32.h"

namespace {

namespace fs = std::filesystem;

std::string FixtureDir() {
  if (const char* env = std::getenv("VORT_ZIP_FIXTURES")) return env;
  return VORT_ZIP_FIXTURES;
}

struct Expected {
  std::string path;  // '/' separators; a trailing '/' marks a directory
  uint64_t size = 0;
  uint32_t crc = 0;
};

struct Case {
  std::string archive;
  std::string outcome;
  std::vector<Expected> files;
};

std::vector<Case> ReadManifest() {
  std::vector<Case> cases;
  std::ifstream in(fs::path(FixtureDir()) / "MANIFEST.tsv");
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> cols;
    std::stringstream ss(line);
    for (std::string col; std::getline(ss, col, '\t');) cols.push_back(col);
    if (cols.size() < 2) continue;
    Case c{cols[0], cols[1], {}};
    for (size_t i = 2; i < cols.size(); ++i) {
      const size_t crc_at = cols[i].rfind(':');
      const size_t size_at = cols[i].rfind(':', crc_at - 1);
      c.files.push_back(
          {cols[i].substr(0, size_at),
           std::stoull(cols[i].substr(size_at + 1, crc_at - size_at - 1)),
           static_cast<uint32_t>(std::stoul(cols[i].substr(crc_at + 1), nullptr, 16))});
    }
    cases.push_back(c);
  }
  return cases;
}

// Every file and directory below `root`, relative, with '/' separators (directories end in '/').
std::set<std::string> Tree(const fs::path& root) {
  std::set<std::string> found;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    std::string rel = fs::relative(e.path(), root).generic_string();
    if (e.is_directory()) rel += '/';
    found.insert(rel);
  }
  return found;
}

bool Matches(const fs::path& root, const Expected& want) {
  const fs::path p = root / fs::path(want.path);
  if (want.path.back() == '/') return fs::is_directory(p);
  std::ifstream in(p, std::ios::binary);
  if (!in) return false;
  const std::string data((std::istreambuf_iterator<char>(in)), {});
  return data.size() == want.size &&
         unzip::Crc32(reinterpret_cast<const uint8_t*>(data.data()), data.size()) == want.crc;
}

// The listed files plus the directories they imply.
std::set<std::string> Allowed(const Case& c) {
  std::set<std::string> allowed;
  for (const Expected& e : c.files) {
    for (size_t cut = e.path.find('/'); cut != std::string::npos; cut = e.path.find('/', cut + 1))
      allowed.insert(e.path.substr(0, cut + 1));
    allowed.insert(e.path);
  }
  return allowed;
}

class FixtureTest : public testing::TestWithParam<Case> {};

TEST_P(FixtureTest, ExtractsAsTheManifestSays) {
  const Case& c = GetParam();
  testing_support::TempDir temp;
  const fs::path dest = temp.path() / "dest";
  fs::create_directory(dest);
  unzip::TBraskUnzip unzip;
  unzip.SetFileName((fs::path(FixtureDir()) / c.archive).string());
  unzip.SetDirectoryName(dest.string());
  const int32_t result = unzip.ExtractAll();

  const std::set<std::string> tree = Tree(dest);
  const std::set<std::string> allowed = Allowed(c);
  for (const std::string& f : tree) EXPECT_TRUE(allowed.count(f)) << "unexpected " << f;
  // Nothing may land beside the destination either.
  EXPECT_EQ(Tree(temp.path()).size(), tree.size() + 1);

  const auto all_present = [&] {
    for (const Expected& e : c.files) {
      if (!Matches(dest, e)) return false;
    }
    return true;
  };
  if (c.outcome == "peers-disagree") {
    EXPECT_TRUE(all_present() || tree.empty()) << "result " << result;
  } else if (c.outcome == "noescape") {
    EXPECT_TRUE(all_present());
    EXPECT_GE(result, 0);
  } else if (c.outcome == "fail") {
    EXPECT_TRUE(all_present());
    EXPECT_TRUE(result == static_cast<int32_t>(c.files.size()) || result == -100) << result;
  } else {
    EXPECT_EQ(result, std::stoi(c.outcome));
    EXPECT_TRUE(all_present());
  }
}

std::string CaseName(const testing::TestParamInfo<Case>& info) {
  std::string name = info.param.archive.substr(0, info.param.archive.size() - 4);
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Manifest, FixtureTest, testing::ValuesIn(ReadManifest()), CaseName);

TEST(FixtureListing, ListsAndMeasuresTheLargeDirectoryThroughItsWindow) {
  static int32_t entries;
  static int32_t last;
  entries = 0;
  unzip::TBraskUnzip unzip;
  unzip.SetFileName((fs::path(FixtureDir()) / "bigdir.zip").string());
  unzip.SetReportCallback([](int32_t code, unzip::TUnzipReport* r) {
    EXPECT_EQ(r->status, 0);
    if (code == 0) ++entries;
    last = code;
  });
  EXPECT_EQ(unzip.ListEntries(), 902);
  EXPECT_EQ(entries, 902);
  EXPECT_EQ(last, 902);
  EXPECT_GT(unzip.TotalSize(), 0);
  EXPECT_GT(unzip.CompressedTotal(), 0);
}

TEST(FixtureReports, AShrunkEntryReportsEachOutputBufferOf767BytesInTurn) {
  static std::vector<int32_t> codes;
  codes.clear();
  testing_support::TempDir temp;
  unzip::TBraskUnzip unzip;
  unzip.SetFileName((fs::path(FixtureDir()) / "shrunk-text.zip").string());
  unzip.SetDirectoryName(temp.path().string());
  unzip.SetReportCallback([](int32_t code, unzip::TUnzipReport*) { codes.push_back(code); });
  EXPECT_EQ(unzip.ExtractAll(), 1);
  std::vector<int32_t> expected = {-1004, -1000};
  expected.insert(expected.end(), 167611 / 767, 767);
  expected.insert(expected.end(), {167611 % 767, -1002, -1005});
  EXPECT_EQ(codes, expected);
}

}  // namespace
