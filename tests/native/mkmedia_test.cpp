// The media builder: disk plans, and media built from a product tree whose pieces rejoin into
// archives that unzip accepts.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "copy/media_manifest.h"
#include "media_builder.h"
#include "media_plan.h"
#include "os/sha256.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using mkmedia::ClusterRound;
using mkmedia::Plan;
using mkmedia::PlanInput;
using mkmedia::PlanMedia;
using testing_support::TempDir;

Plan MustPlan(const PlanInput& input) {
  auto result = PlanMedia(input);
  if (auto* error = std::get_if<std::string>(&result)) ADD_FAILURE() << *error;
  return std::get<Plan>(result);
}

// What every plan must hold: pieces of one archive numbered 1, 2 ... in catalogue order,
// contiguous and complete; no disk over its size; no disk without a piece but the first.
void ExpectSound(const PlanInput& in, const Plan& plan) {
  std::vector<uint64_t> covered(in.archive_sizes.size(), 0);
  std::vector<int> next(in.archive_sizes.size(), 1);
  size_t last_archive = 0;
  for (size_t d = 0; d < plan.size(); ++d) {
    uint64_t used = d == 0 ? in.first_disk_reserved : 0;
    if (d > 0) {
      EXPECT_FALSE(plan[d].empty()) << "disk " << d + 1;
    }
    for (const auto& p : plan[d]) {
      EXPECT_GE(p.archive, last_archive) << "catalogue order";
      last_archive = p.archive;
      EXPECT_EQ(p.number, next[p.archive]++);
      EXPECT_EQ(p.offset, covered[p.archive]);
      EXPECT_GT(p.size, 0u);
      if (in.piece_limit) {
        EXPECT_LE(p.size, in.piece_limit);
      }
      covered[p.archive] += p.size;
      used += ClusterRound(p.size, in.cluster_size);
    }
    if (!in.single_folder) {
      EXPECT_LE(used, in.disk_size) << "disk " << d + 1;
    }
  }
  for (size_t a = 0; a < covered.size(); ++a) EXPECT_EQ(covered[a], in.archive_sizes[a]);
}

TEST(MediaPlan, FillsDisksInOrderAndSplitsAcrossThem) {
  PlanInput in;
  in.first_disk_reserved = 300'000;
  in.archive_sizes = {1'100'000, 200'000, 5'000, 600'000, 900'000, 40'000, 70'000};
  const Plan plan = MustPlan(in);
  ExpectSound(in, plan);
  ASSERT_EQ(plan.size(), 3u);
  // The second archive starts on disk 1 and ends on disk 2.
  EXPECT_EQ(plan[0].back().archive, 1u);
  EXPECT_EQ(plan[1].front().archive, 1u);
  EXPECT_EQ(plan[1].front().number, 2);

  for (uint64_t disk : {4'096u, 10'000u, 100'000u}) {
    for (uint64_t limit : {0u, 700u, 3'000u}) {
      in.disk_size = disk;
      in.piece_limit = limit;
      in.first_disk_reserved = 2'048;
      in.archive_sizes = {30'001, 1, 511, 512, 513, 9'999, 20'000};
      ExpectSound(in, MustPlan(in));
    }
  }
}

TEST(MediaPlan, OneFolderTakesEverythingInLimitedPieces) {
  PlanInput in;
  in.single_folder = true;
  in.piece_limit = 1'000;
  in.first_disk_reserved = 100'000'000;
  in.archive_sizes = {12'345, 999};
  const Plan plan = MustPlan(in);
  ExpectSound(in, plan);
  ASSERT_EQ(plan.size(), 1u);
  EXPECT_EQ(plan[0].size(), 14u);
}

TEST(MediaPlan, RefusesDisksTooSmall) {
  PlanInput in;
  in.disk_size = 10'000;
  in.first_disk_reserved = 9'728;
  in.archive_sizes = {1};
  EXPECT_TRUE(std::holds_alternative<std::string>(PlanMedia(in)));
  in.disk_size = 100;
  in.first_disk_reserved = 0;
  EXPECT_TRUE(std::holds_alternative<std::string>(PlanMedia(in)));
  in.cluster_size = 0;
  EXPECT_TRUE(std::holds_alternative<std::string>(PlanMedia(in)));
}

std::string Bytes(size_t n, unsigned seed) {
  std::mt19937 random(seed);
  std::string s(n, '\0');
  for (char& c : s) c = static_cast<char>(random());
  return s;
}

bool UnzipAccepts(const fs::path& zip) {
  return std::system(("unzip -tq '" + zip.string() + "' >/dev/null 2>&1").c_str()) == 0;
}

// Our own tool, as a maintainer checks media with it: "l" and "x" both succeed.
bool ZipxAccepts(const fs::path& zip, const fs::path& scratch) {
  const std::string archive = "'" + zip.string() + "'";
  return std::system((std::string(ZIPX_PATH) + " l " + archive + " >/dev/null 2>&1").c_str()) ==
             0 &&
         std::system((std::string(ZIPX_PATH) + " x " + archive + " '" + scratch.string() +
                      "' >/dev/null 2>&1")
                         .c_str()) == 0;
}

class MediaBuilder : public testing::Test {
 protected:
  void SetUp() override {
    const char* folders[] = {"EXE", "ROVANEL", "DBDAT", "DBNEW", "BDE32", "HELP", "TESKARD"};
    for (unsigned i = 0; i < 7; ++i)
      product_.Write(std::string(folders[i]) + "/FILE" + std::to_string(i) + ".BIN",
                     Bytes(3'000 + 2'500 * i, i));
    product_.Write("EXE/VORTEL.EXE", Bytes(60'000, 99));
    product_.Write("DBNEW/NEW/FIRMA/FIRME.DB", "a table\r\n");
    tools_.Write("INSTALL.EXE", Bytes(5'000, 7));
    tools_.Write("UPGRADE.DLL", Bytes(2'000, 8));
    options_.product_dir = product_.path();
    options_.out_dir = out_.path() / "media";
    options_.install_exe = tools_.File("INSTALL.EXE");
    options_.upgrade_dll = tools_.File("UPGRADE.DLL");
  }

  std::string Build() {
    std::ostringstream report;
    return mkmedia::BuildMedia(options_, report);
  }

  // Every piece in the media folders, by archive and number, with the folder it lies in.
  std::map<std::string, std::map<int, fs::path>> Pieces() {
    std::map<std::string, std::map<int, fs::path>> pieces;
    for (const auto& e : fs::recursive_directory_iterator(options_.out_dir)) {
      const std::string name = e.path().filename().string();
      const auto dot = name.find('.');
      if (dot == std::string::npos || name.substr(0, dot) == "INSTALL" ||
          name.substr(0, dot) == "UPGRADE")
        continue;
      pieces[name.substr(0, dot)][std::stoi(name.substr(dot + 1))] = e.path();
    }
    return pieces;
  }

  // Joins an archive's pieces in numeric order.
  fs::path Rejoin(const std::string& archive) {
    std::string joined;
    int expected = 1;
    const auto pieces = Pieces();
    for (const auto& [number, path] : pieces.at(archive)) {
      EXPECT_EQ(number, expected++) << archive;
      joined += TempDirRead(path);
    }
    const fs::path zip = out_.path() / (archive + ".ZIP");
    out_.Write(archive + ".ZIP", joined);
    return zip;
  }
  // The installer's own reader finds each piece on its disk with its size, CRC and SHA-256
  // (OpenSSL's in mkmedia, the installer's own here), the upgrade library's archive among them,
  // and each archive with what it unpacks to and the SHA-256 of its joined pieces.
  void ExpectManifestNamesEveryPiece(const fs::path& config) {
    const std::optional<copy::MediaManifest> manifest = copy::ReadMediaManifest(config.string());
    ASSERT_TRUE(manifest) << config;
    EXPECT_EQ(manifest->upgrade, options_.upgrade);
    EXPECT_TRUE(manifest->Complete());
    auto pieces = Pieces();
    pieces["UPGRADE"][1] = config.parent_path() / "UPGRADE.1";
    size_t count = 0;
    for (const auto& [archive, numbered] : pieces) {
      os::Sha256 joined;
      for (const auto& [number, path] : numbered) {
        const copy::PieceRecord* piece = manifest->Piece(archive + "." + std::to_string(number));
        ASSERT_NE(piece, nullptr) << path;
        const std::string bytes = TempDirRead(path);
        EXPECT_EQ(piece->size, static_cast<int64_t>(bytes.size())) << path;
        EXPECT_EQ(piece->crc, crc32(0, reinterpret_cast<const Bytef*>(bytes.data()),
                                    static_cast<uInt>(bytes.size())))
            << path;
        EXPECT_EQ(piece->sha256, os::Sha256Of(bytes)) << path;
        joined.Update(bytes);
        const std::string disk = path.parent_path().filename().string();
        if (!options_.single_folder) {
          EXPECT_EQ("disk" + std::to_string(piece->disk), disk);
        }
        ++count;
      }
      if (archive == "UPGRADE") continue;
      ASSERT_NE(manifest->Archive(archive), nullptr) << archive;
      EXPECT_GT(manifest->Archive(archive)->unpacked, 0) << archive;
      EXPECT_EQ(manifest->Archive(archive)->sha256, joined.Final()) << archive;
    }
    EXPECT_EQ(manifest->pieces.size(), count);
  }

  static std::string TempDirRead(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  TempDir product_, tools_, out_;
  mkmedia::MediaOptions options_;
};

TEST_F(MediaBuilder, FloppiesCarryMarkersFixedFilesAndPiecesThatRejoin) {
  options_.disk_size = 20'480;
  ASSERT_EQ(Build(), "");
  const fs::path media = options_.out_dir;
  size_t disks = 0;
  while (fs::exists(media / ("disk" + std::to_string(disks + 1)))) ++disks;
  ASSERT_GE(disks, 4u);
  for (size_t d = 1; d <= disks; ++d) {
    const fs::path dir = media / ("disk" + std::to_string(d));
    EXPECT_TRUE(fs::is_regular_file(dir / ("DISK" + std::to_string(d))));
    uint64_t used = 0;
    for (const auto& e : fs::directory_iterator(dir)) used += ClusterRound(e.file_size(), 512);
    EXPECT_LE(used, options_.disk_size) << dir;
  }
  const fs::path first = media / "disk1";
  EXPECT_EQ(TempDirRead(first / "INSTALL.EXE"), tools_.Read("INSTALL.EXE"));
  EXPECT_EQ(TempDirRead(first / "INSTALL.CFG")
                .rfind("[General]\r\nNrDiscuri=" + std::to_string(disks) + "\r\n", 0),
            0u);
  ExpectManifestNamesEveryPiece(first / "INSTALL.CFG");
  EXPECT_TRUE(UnzipAccepts(first / "UPGRADE.1"));
  EXPECT_FALSE(fs::exists(media / "disk2" / "INSTALL.EXE"));

  const auto pieces = Pieces();
  EXPECT_EQ(pieces.size(), 7u);
  EXPECT_GT(pieces.at("EXE").size(), 1u) << "the biggest archive spans disks";
  for (const auto& [archive, numbered] : pieces)
    EXPECT_TRUE(UnzipAccepts(Rejoin(archive))) << archive;
  const std::string listed = out_.path().string() + "/DBNEW.ZIP";
  EXPECT_EQ(
      std::system(("unzip -p '" + listed + "' NEW/FIRMA/FIRME.DB | grep -q 'a table'").c_str()), 0);
}

TEST_F(MediaBuilder, OneFolderHoldsTenAndMorePiecesOfAnArchive) {
  options_.single_folder = true;
  options_.piece_limit = 5'000;
  ASSERT_EQ(Build(), "");
  EXPECT_TRUE(fs::exists(options_.out_dir / "DISK1"));
  EXPECT_EQ(TempDirRead(options_.out_dir / "INSTALL.CFG").rfind("[General]\r\nNrDiscuri=1\r\n", 0),
            0u);
  ExpectManifestNamesEveryPiece(options_.out_dir / "INSTALL.CFG");
  EXPECT_GE(Pieces()["EXE"].size(), 10u);
  EXPECT_TRUE(UnzipAccepts(Rejoin("EXE")));
  EXPECT_TRUE(ZipxAccepts(Rejoin("EXE"), out_.path() / "whole"));

  // Pieces joined in the wrong order make an archive the tool must not call good.
  std::string swapped;
  const auto pieces = Pieces().at("EXE");
  for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) swapped += TempDirRead(it->second);
  out_.Write("SWAPPED.ZIP", swapped);
  // The first piece still opens the archive; the last one moved ahead leaves no directory at its
  // end, and the engine then reports no entry rather than an error.
  std::string last_second = TempDirRead(pieces.at(1)) + TempDirRead(pieces.rbegin()->second);
  for (const auto& [number, path] : pieces)
    if (number != 1 && number != pieces.rbegin()->first) last_second += TempDirRead(path);
  out_.Write("MIDDLE.ZIP", last_second);
  EXPECT_FALSE(ZipxAccepts(out_.path() / "SWAPPED.ZIP", out_.path() / "swapped"));
  EXPECT_FALSE(ZipxAccepts(out_.path() / "MIDDLE.ZIP", out_.path() / "middle"));
}

TEST_F(MediaBuilder, UpgradeMediaLeaveOutTheEngine) {
  options_.upgrade = true;
  fs::remove_all(product_.path() / "BDE32");
  ASSERT_EQ(Build(), "");
  const auto pieces = Pieces();
  EXPECT_EQ(pieces.count("BDE32"), 0u);
  EXPECT_EQ(pieces.size(), 6u);
}

TEST_F(MediaBuilder, BadInputIsReportedAndLeavesNothingBehind) {
  fs::remove_all(product_.path() / "HELP");
  EXPECT_NE(Build().find("HELP"), std::string::npos);
  EXPECT_FALSE(fs::exists(options_.out_dir));

  product_.Write("HELP/X.HLP", "help");
  options_.disk_size = 4'096;
  EXPECT_NE(Build(), "") << "INSTALL.EXE alone fills the disk";
  EXPECT_FALSE(fs::exists(options_.out_dir));

  options_.disk_size = mkmedia::kFloppySize;
  out_.Write("media/KEEP.TXT", "mine");
  EXPECT_NE(Build().find("not empty"), std::string::npos);
  EXPECT_EQ(out_.Read("media/KEEP.TXT"), "mine");

  fs::remove_all(options_.out_dir);
  options_.install_exe = tools_.File("MISSING.EXE");
  EXPECT_NE(Build(), "");
}

TEST(MkmediaCommand, UsageErrorsAndARealRun) {
  const std::string tool = MKMEDIA_PATH;
  EXPECT_NE(std::system((tool + " >/dev/null 2>&1").c_str()), 0);
  EXPECT_NE(std::system((tool + " a b --disk-size 1.44M >/dev/null 2>&1").c_str()), 0);
  TempDir dir;
  dir.Write("product/EXE/A.EXE", "a");
  for (const char* f : {"ROVANEL", "DBDAT", "DBNEW", "BDE32", "HELP", "TESKARD"})
    dir.Write(std::string("product/") + f + "/F", f);
  dir.Write("INSTALL.EXE", "MZ");
  dir.Write("UPGRADE.DLL", "MZ");
  const std::string run = tool + " '" + dir.File("product") + "' '" + dir.File("cd") +
                          "' --cd --install-exe '" + dir.File("INSTALL.EXE") + "' --upgrade-dll '" +
                          dir.File("UPGRADE.DLL") + "' >/dev/null";
  EXPECT_EQ(std::system(run.c_str()), 0);
  EXPECT_TRUE(dir.Exists("cd/EXE.1"));
  EXPECT_TRUE(dir.Exists("cd/UPGRADE.1"));
}

}  // namespace
