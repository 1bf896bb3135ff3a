#include "media/fresh_copy.h"

namespace media {

std::optional<std::string> FreshCopy::DestinationOf(const TCompRecord& archive) {
  if (archive.Destination == 3) return ChooseEngineDirectory(registry_, host_);
  return ProductDestination(archive.Destination);
}

}  // namespace media
