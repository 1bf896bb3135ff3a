#include "media_plan.h"

#include <algorithm>
#include <limits>

namespace mkmedia {

uint64_t ClusterRound(uint64_t size, uint64_t cluster_size) {
  return (size + cluster_size - 1) / cluster_size * cluster_size;
}

std::variant<Plan, std::string> PlanMedia(const PlanInput& input) {
  if (input.cluster_size == 0) return std::string("the cluster size must not be 0");
  const uint64_t disk_size =
      input.single_folder ? std::numeric_limits<uint64_t>::max() / 2 : input.disk_size;
  const uint64_t first_size =
      input.single_folder || input.first_disk_size == 0 ? disk_size : input.first_disk_size;
  if (disk_size < input.cluster_size)
    return "a disk of " + std::to_string(disk_size) + " bytes holds no cluster of " +
           std::to_string(input.cluster_size);
  if (input.first_disk_reserved + input.cluster_size > first_size)
    return "disk 1 of " + std::to_string(first_size) + " bytes cannot hold the installer, its " +
           "files (" + std::to_string(input.first_disk_reserved) + " bytes) and a piece";

  Plan plan(1);
  uint64_t free = first_size - input.first_disk_reserved;
  for (size_t a = 0; a < input.archive_sizes.size(); ++a) {
    uint64_t remaining = input.archive_sizes[a];
    uint64_t offset = 0;
    int number = 1;
    while (remaining > 0) {
      const uint64_t usable = free / input.cluster_size * input.cluster_size;
      if (usable == 0) {
        plan.emplace_back();
        free = disk_size;
        continue;
      }
      uint64_t size = std::min(remaining, usable);
      if (input.piece_limit > 0) size = std::min(size, input.piece_limit);
      plan.back().push_back({a, number++, offset, size});
      free -= ClusterRound(size, input.cluster_size);
      offset += size;
      remaining -= size;
    }
  }
  return plan;
}

}  // namespace mkmedia
