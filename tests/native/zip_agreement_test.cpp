// Agreement with Info-ZIP unzip on archives made at run time by Info-ZIP zip and by Python's
// zipfile: the same files with the same bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "support/temp_dir.h"
#include "unzip/zip_archive.h"

namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> Contents(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    if (e.is_directory()) {
      files[fs::relative(e.path(), root).generic_string() + "/"] = "";
      continue;
    }
    std::ifstream in(e.path(), std::ios::binary);
    files[fs::relative(e.path(), root).generic_string()] =
        std::string((std::istreambuf_iterator<char>(in)), {});
  }
  return files;
}

TEST(UnzipAgreement, SameFilesAsInfoZipOnThreeHundredArchives) {
  testing_support::TempDir temp;
  const std::string generate =
      "python3 " VORT_AGREEMENT_GENERATOR " " + temp.path().string() + " 300 > /dev/null";
  ASSERT_EQ(std::system(generate.c_str()), 0);
  std::ifstream listing(temp.path() / "archives.txt");
  int checked = 0;
  for (std::string archive; std::getline(listing, archive);) {
    const fs::path ours = temp.path() / ("ours" + std::to_string(checked));
    const fs::path theirs = temp.path() / ("theirs" + std::to_string(checked));
    fs::create_directories(ours);
    const int32_t count = unzip::ExtractArchive(archive, ours.string(), "*.*", nullptr, nullptr);
    const std::string unzip = "unzip -q -o " + archive + " -d " + theirs.string();
    ASSERT_EQ(std::system(unzip.c_str()), 0) << archive;
    const auto expected = Contents(theirs);
    EXPECT_GT(count, 0) << archive;
    EXPECT_TRUE(Contents(ours) == expected) << archive;
    fs::remove_all(ours);
    fs::remove_all(theirs);
    ++checked;
  }
  EXPECT_EQ(checked, 300);
}

}  // namespace
