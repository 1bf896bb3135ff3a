// Where an entry lands: checks that keep it inside the destination, and the creation of the
// directories its path needs.
#pragma once

#include <string>

namespace unzip {

// The longest target path (destination plus entry name) and the longest directory part the
// engine creates; longer ones are refused, never cut short.
constexpr size_t kTargetPathLimit = 259;
constexpr size_t kDirectoryPathLimit = 79;

// True when a stored entry name stays below the destination: no drive or stream colon, no
// leading separator, no part of only dots that climbs (such as ".." or "... ").
bool IsContainedEntryName(const std::string& name);

// True for a path that ends in a separator, the mark of a directory entry.
bool IsDirectoryTarget(const std::string& target);

// Creates the missing directories before the last separator of `target`; stops at the first
// that cannot be made. False when nothing could be done or the directory part is too long.
bool MakeTargetDirectories(const std::string& target);

}  // namespace unzip
