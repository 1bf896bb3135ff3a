// Where an entry lands: checks that keep it inside the destination, and the creation of the
// directories its path needs.
#pragma once

#include <string>

namespace unzip {

// The longest target path (destination plus entry name), in characters as Windows counts them
// (UTF-16 units): the limit of the wide functions' long form ("\\?\" and 32,767 units), less
// that prefix. Longer ones are refused, never cut short. Directories are made for any target
// within it; the file system still refuses a single name over 255 characters.
constexpr size_t kTargetPathLimit = 32767 - 8;

// True when the target path is within kTargetPathLimit and is text (UTF-8).
bool IsTargetWithinLimit(const std::string& target);

// True when a stored entry name stays below the destination: no drive or stream colon, no
// leading separator, no part of only dots that climbs (such as ".." or "... ").
bool IsContainedEntryName(const std::string& name);

// True for a path that ends in a separator, the mark of a directory entry.
bool IsDirectoryTarget(const std::string& target);

// Creates the missing directories before the last separator of `target`, however deep; stops at
// the first that cannot be made. False when nothing could be done.
bool MakeTargetDirectories(const std::string& target);

}  // namespace unzip
