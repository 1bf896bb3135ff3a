// Whole-archive operations of the engine: recognising, measuring, listing and extracting.
#pragma once

#include <cstdint>
#include <string>

#include "unzip/unzip_report.h"

namespace unzip {

// True for a path that names a file beginning with a local header (and not a program).
bool IsZipArchive(const std::string& path);

// Sum of the uncompressed sizes of every entry; `compressed_total` gets the compressed sum.
// For a file that is no archive both are its length; for one that cannot be opened, 0.
int32_t MeasureArchive(const std::string& archive, int32_t& compressed_total);

// Reports every entry that passes `specs` with status 0, then the totals with the count.
int32_t ListArchive(const std::string& archive, const std::string& specs, ReportCallback report);

// Extracts every entry that passes `specs` below `destination`; the count of entries done,
// or a code.
int32_t ExtractArchive(const std::string& archive, const std::string& destination,
                       const std::string& specs, ReportCallback report, ConfirmCallback confirm);

}  // namespace unzip
