// Where each archive's bytes go on the media: pieces NAME.1, NAME.2 ... filling disks in
// catalogue order. Pure arithmetic; files are written elsewhere.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace mkmedia {

// 1.44 MB floppy: 2,847 data sectors of 512 bytes.
constexpr uint64_t kFloppySize = 1'457'664;
constexpr uint64_t kFloppyCluster = 512;

struct PlanInput {
  uint64_t disk_size = kFloppySize;
  uint64_t first_disk_size = 0;            // disk 1 when it differs (it carries the installer)
  uint64_t cluster_size = kFloppyCluster;  // a file occupies whole clusters
  uint64_t first_disk_reserved = 0;        // fixed files on disk 1, already rounded to clusters
  uint64_t piece_limit = 0;                // largest piece; 0 for no limit
  bool single_folder = false;              // one medium of unlimited size (a CD)
  std::vector<uint64_t> archive_sizes;     // in catalogue order
};

struct Piece {
  size_t archive = 0;  // index into archive_sizes
  int number = 0;      // 1, 2, ... over the whole media
  uint64_t offset = 0;
  uint64_t size = 0;
};

using Disk = std::vector<Piece>;
using Plan = std::vector<Disk>;

// Space a file of `size` bytes takes.
uint64_t ClusterRound(uint64_t size, uint64_t cluster_size);

// The disks in order, or an error text when the input cannot make media.
std::variant<Plan, std::string> PlanMedia(const PlanInput& input);

}  // namespace mkmedia
